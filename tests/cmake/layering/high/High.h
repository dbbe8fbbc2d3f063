#pragma once

int High();
