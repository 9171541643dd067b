#pragma once
// Shared drawing routines, text label settings, colour names and numeric helpers.

#include "base/zarn_alignment.h"
#include "base/zarn_colornames.h"
#include "base/zarn_engineering.h"
#include "base/zarn_frame_names.h"
#include "base/zarn_marks.h"
#include "base/zarn_numeric.h"
#include "base/zarn_textlabel.h"
#include "base/zarn_ticks.h"
