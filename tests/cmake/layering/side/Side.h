#pragma once

int Side();
