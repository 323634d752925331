#include "end_with_parent.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

bool EndWithParent(int parentProcess)
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    // Checked after the request: a parent that died before it would otherwise go unnoticed.
    return getppid() == parentProcess;
}
