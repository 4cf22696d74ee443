#pragma once

#include <QtCore/qglobal.h>

#if defined(LUMDIALOGS_BUILDING)
#define LUMDIALOGS_EXPORT Q_DECL_EXPORT
#else
#define LUMDIALOGS_EXPORT Q_DECL_IMPORT
#endif
