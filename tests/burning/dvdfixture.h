#pragma once

#include <QString>

// A tiny real DVD-Video folder (2 s PAL MPEG-2 with AC-3, multiplexed by
// mplex and authored by dvdauthor) for the burning tests.
namespace DvdFixture {

// Builds the DVD once per test program under the test's temporary area and
// returns the folder holding VIDEO_TS (empty on failure, with a warning).
QString dvdFolder();

} // namespace DvdFixture
