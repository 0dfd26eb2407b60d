#include "app/firstrun.h"

#include "framework/files/registry.h"

namespace pellax {

bool firstRunShowsAbout() {
    bool show = true;
    TRegistry registry(TRegistry::Access::AllAccess);
    registry.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
    if (registry.OpenKey(kFirstRunKey, true)) {
        if (registry.ValueExists(kFirstRunValue))
            show = false;
        else
            registry.WriteInteger(kFirstRunValue, 1);
    }
    return show;
}

}  // namespace pellax
