#pragma once

#include <QtGlobal>

// Marks the classes and objects that the DVD authoring library exports.
#if defined(SORVEL_AUTHORING_LIBRARY)
#define AUTHORING_EXPORT Q_DECL_EXPORT
#else
#define AUTHORING_EXPORT Q_DECL_IMPORT
#endif
