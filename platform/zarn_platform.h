#pragma once
// The toolkit-neutral platform: components, controls, standard controls, the
// application and its services, published properties, stored layouts and the
// runtime's number and date formatting.

#include "platform/application.h"
#include "platform/component.h"
#include "platform/control.h"
#include "platform/controls_std.h"
#include "platform/dialogs.h"
#include "platform/file_io.h"
#include "platform/layout_json.h"
#include "platform/menu.h"
#include "platform/properties.h"
#include "platform/types.h"
#include "platform/zarn_datetime.h"
#include "platform/zarn_format.h"
