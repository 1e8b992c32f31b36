#include "sampling/counter_source.h"
#include "sampling/proc_net_dev.h"

namespace tarnivel {

std::unique_ptr<CounterSource> makeSystemCounterSource()
{
    return std::make_unique<ProcNetDevSource>();
}

} // namespace tarnivel
