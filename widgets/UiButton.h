#pragma once
// The button unit: the pane headers' tool buttons and the convert button.
#include "widgets/UiBitBtn.h"
#include "widgets/UiToolButton.h"
