#pragma once

// Resource ids shared by the resource script and the code.
#define IDR_BANNER 101
#define IDR_BANNER_2X 102
