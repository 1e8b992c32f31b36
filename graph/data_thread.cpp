#include "graph/data_thread.h"

#include "app/error.h"

namespace tarnivel {

clsDataThread::clsDataThread()
{
    mobjStore.setBufferSize(kHistoryLength);
}

float clsDataThread::GetDataValue(std::int32_t lPointer) const
{
    if (lPointer < 1 || lPointer > kHistoryLength)
        throw Error(kObjectErrorBase, "Bad pointer value");
    return mobjStore.GetValue(lPointer);
}

} // namespace tarnivel
