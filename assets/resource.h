/* Identifiers shared by sinoshift.rc and the C++ code. Plain C macros: windres reads this file too. */
#ifndef SINOSHIFT_ASSETS_RESOURCE_H
#define SINOSHIFT_ASSETS_RESOURCE_H

#include "sinoshift_version.h"
#define SINOSHIFT_PRODUCT_NAME "Sinoshift"

/* Numeric ids: the manifest must be id 1 for the loader to bind it to the process. */
#define SINOSHIFT_MANIFEST_ID 1
#define SINOSHIFT_VERSION_ID 1

/* Named resources, for LoadImage/LoadCursor. The .rc names them with the bare words. */
#define SINOSHIFT_RES_MAINICON "MAINICON"
#define SINOSHIFT_RES_SKIN "SKIN"
#define SINOSHIFT_RES_LOGO "LOGO"
#define SINOSHIFT_RES_ICON16 "ICON16"
#define SINOSHIFT_RES_CLOSE_UP "CLOSE_UP"
#define SINOSHIFT_RES_CLOSE_HOT "CLOSE_HOT"
#define SINOSHIFT_RES_MIN_UP "MIN_UP"
#define SINOSHIFT_RES_MIN_HOT "MIN_HOT"
#define SINOSHIFT_RES_IMAGELIST "IMAGELIST"
#define SINOSHIFT_RES_UISPLIT_HORZ "UISPLIT_HORZ"
#define SINOSHIFT_RES_UISPLIT_VERT "UISPLIT_VERT"
#define SINOSHIFT_RES_UISPLIT_HORZHOTSPOT "UISPLIT_HORZHOTSPOT"
#define SINOSHIFT_RES_UISPLIT_VERTHOTSPOT "UISPLIT_VERTHOTSPOT"

#endif
