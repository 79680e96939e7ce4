// Identifiers of the resources and of the controls in the dialog templates.
#pragma once

#define IDR_MANIFEST 1
