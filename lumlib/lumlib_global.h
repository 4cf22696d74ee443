#pragma once

#include <QtCore/qglobal.h>

#if defined(LUMLIB_BUILDING)
#define LUMLIB_EXPORT Q_DECL_EXPORT
#else
#define LUMLIB_EXPORT Q_DECL_IMPORT
#endif
