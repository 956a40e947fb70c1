#include "skin/objects/SkinObjectClasses.h"

#include "framework/ClassRegistry.h"
#include "skin/objects/ActiveBitmap.h"
#include "skin/objects/ActiveBitmapBoxObject.h"
#include "skin/objects/ActiveObject.h"
#include "skin/objects/ActiveSkinObject.h"
#include "skin/objects/BitmapBoxObject.h"
#include "skin/objects/BitmapObject.h"
#include "skin/objects/BitmapSkinObject.h"
#include "skin/objects/ButtonBitmapBoxObject.h"
#include "skin/objects/ButtonObject.h"
#include "skin/objects/ColorButtonObject.h"
#include "skin/objects/FormBitmapSkinObject.h"
#include "skin/objects/LinkSkinObject.h"
#include "skin/objects/RollPanelObject.h"
#include "skin/objects/SysButtonSkinObject.h"
#include "skin/objects/SystemButton.h"
#include "skin/objects/TextObject.h"

namespace skin {

namespace {

template <class T>
SkinObjectClass ClassOf() {
    return SkinObjectClass{T::kClassName,
                           [](framework::TComponent* owner) -> TSeSkinObject* { return framework::NewComponent<T>(owner); }};
}

template <class... T>
void Register() {
    (SkinObjectClasses().push_back(ClassOf<T>()), ...);
    (framework::RegisterComponentClass<T>(), ...);
}

}  // namespace

std::vector<SkinObjectClass>& SkinObjectClasses() {
    static std::vector<SkinObjectClass> classes;
    return classes;
}

void RegisterSkinObjectClasses() {
    static const bool registered = [] {
        Register<TSeSkinObject, TSeActiveObject, TSeBitmapObject, TSeActiveBitmap, TSeSystemButton, TSeButtonObject,
                 TSeTextObject>();
        Register<TSeLinkSkinObject, TSeBitmapSkinObject, TSeFormBitmapSkinObject, TSeSysButtonSkinObject,
                 TSeActiveSkinObject, TSeColorButtonObject, TSeBitmapBoxObject, TSeActiveBitmapBoxObject,
                 TSeButtonBitmapBoxObject, TSeRollPanelObject>();
        return true;
    }();
    (void)registered;
}

const SkinObjectClass* FindSkinObjectClass(std::string_view className) {
    for (const SkinObjectClass& c : SkinObjectClasses())
        if (c.className == className) return &c;
    return nullptr;
}

TSeSkinObject* CloneObject(const TSeSkinObject& object, framework::TComponent* owner) {
    const SkinObjectClass* cls = FindSkinObjectClass(object.ClassName());
    if (!cls) return nullptr;
    // The copy is made without an owner and handed over when complete: it
    // takes the original's name, which the owner may already know (a
    // second copy of the same object), and a half-made copy must not stay
    // behind in the owner when assignment fails.
    std::unique_ptr<TSeSkinObject> copy(cls->create(nullptr));
    copy->Assign(object);
    if (owner) owner->InsertComponent(copy.get());
    return copy.release();
}

}  // namespace skin
