#pragma once

// Asks the kernel to send this process SIGTERM when the process that started it ends, so the
// engine never outlives its shell, even one that was killed outright. parentProcess: the starter's
// process id as the starter itself reported it; false when that process has already gone (the
// request would then never fire), in which case the caller should end at once.
bool EndWithParent(int parentProcess);
