#pragma once

#include <QBitArray>

#include <functional>

class SettingsStore;

// The processor choice of the "CPUType" / "CPUInUse" settings.
namespace CpuAffinity {

// Number of logical processors, at least 1.
int processorCount();
// The mask for a core policy: 0 all cores, 1 one random core, 2 "CPUInUse"
// random distinct cores, anything else processor 0. An empty choice gives
// processor 0. random() returns a non-negative pseudo-random number.
QBitArray computeMask(int cpuType, int cpuInUse, int processorCount, const std::function<int()> &random);
// Reads the settings and computes the mask with rand().
QBitArray maskFromSettings(const SettingsStore *pref);
// Applies the mask to every thread of the process (on Linux affinity is per
// thread, and threads started later inherit it). True when all took it.
bool applyToProcess(const QBitArray &mask);

} // namespace CpuAffinity
