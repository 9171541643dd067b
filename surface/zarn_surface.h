#pragma once
// The drawing surface: colours, pens, brushes, fonts, canvases, bitmaps, printer.

#include "surface/zarn_bitmap.h"
#include "surface/zarn_canvas.h"
#include "surface/zarn_color.h"
#include "surface/zarn_errors.h"
#include "surface/zarn_graphics.h"
#include "surface/zarn_persistent.h"
#include "surface/zarn_printer.h"
#include "surface/zarn_types.h"
