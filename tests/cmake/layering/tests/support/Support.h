#pragma once

int Two();
