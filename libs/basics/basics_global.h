#pragma once

#include <QtCore/qglobal.h>

#if defined(BASICS_BUILDING)
#define BASICS_EXPORT Q_DECL_EXPORT
#else
#define BASICS_EXPORT Q_DECL_IMPORT
#endif
