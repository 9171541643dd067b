#pragma once
// Horizontal and vertical alignment of texts, shared by the read-out, the
// scale control and the chart's text labels; the types are the platform's.

#include "platform/types.h"
