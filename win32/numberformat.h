#pragma once

#include "level.h"

// How the user's regional settings write numbers, read afresh at each call so that a change
// in the settings counts from the next press of the button.
calc::NumberFormat userNumberFormat();
