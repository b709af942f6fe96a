#include "skin/draw/skin_in_use.h"

namespace skin {
namespace {

// Read by every thread whose engine starts or learns of a change, written by loads on any thread.
SRWLOCK g_lock = SRWLOCK_INIT;
SkinInUse g_inUse;

}  // namespace

SkinInUse CurrentSkin()
{
    AcquireSRWLockShared(&g_lock);
    SkinInUse copy = g_inUse;
    ReleaseSRWLockShared(&g_lock);
    return copy;
}

void PutSkinInUse(std::shared_ptr<const SkinDefinition> skin)
{
    AcquireSRWLockExclusive(&g_lock);
    g_inUse.skin = std::move(skin);
    ++g_inUse.generation;
    ReleaseSRWLockExclusive(&g_lock);
}

}  // namespace skin
