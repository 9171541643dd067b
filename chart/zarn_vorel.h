#pragma once
// The chart unit: the scientific chart and its settings objects.

#include "chart/zarn_textlabel.h"
