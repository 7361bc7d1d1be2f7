#pragma once

#include <QtGlobal>

// Marks the classes and objects that the DVD authoring library exports.
#if defined(KYMDVDAUTHOR_LIBRARY)
#define KYMDVDAUTHOR_EXPORT Q_DECL_EXPORT
#else
#define KYMDVDAUTHOR_EXPORT Q_DECL_IMPORT
#endif
