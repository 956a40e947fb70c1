#include "skin/objects/SkinObjectTypes.h"

namespace skin {

const framework::EnumInfo& AlignInfo() {
    static const framework::EnumInfo info{"saNone",     "saLeft",     "saMostLeft",   "saTop",
                                          "saMostTop",  "saRight",    "saMostRight",  "saBottom",
                                          "saMostBottom", "saClient", "saTopLeft",    "saTopRight",
                                          "saBottomLeft", "saBottomRight", "saCenter", "saText"};
    return info;
}

const framework::EnumInfo& KindInfo() {
    static const framework::EnumInfo info{
        "skNone",          "skForm",          "skCaption",           "skTitle",         "skTop",
        "skLeft",          "skRight",         "skBottom",            "skTopLeft",       "skTopRight",
        "skBottomLeft",    "skBottomRight",   "skSysButton",         "skClient",        "skMenuBar",
        "skMenuBarItem",   "skMenuBarItemText", "skPopupMenu",       "skPopupMenuItem", "skPopupMenuItemText",
        "skItemText",      "skTranparent"};
    return info;
}

const framework::EnumInfo& TextAlignInfo() {
    static const framework::EnumInfo info{"taTopLeft",    "taTopCenter",    "taTopRight",
                                          "taLeft",       "taCenter",       "taRight",
                                          "taBottomLeft", "taBottomCenter", "taBottomRight"};
    return info;
}

const framework::EnumInfo& TextEffectInfo() {
    static const framework::EnumInfo info{"teNone", "teShadow"};
    return info;
}

const framework::EnumInfo& TileStyleInfo() {
    static const framework::EnumInfo info{"tsTile", "tsStretch", "tsCenter"};
    return info;
}

const framework::EnumInfo& ActionInfo() {
    static const framework::EnumInfo info{"sbaNone",     "sbaClose",  "sbaHelp",      "sbaMinimize",
                                          "sbaMaximize", "sbaRestore", "sbaRollUp",   "sbaRollDown",
                                          "sbaTray",     "sbaSysMenu", "sbaRollPanel", "sbaCustom"};
    return info;
}

const framework::EnumInfo& RollKindInfo() {
    static const framework::EnumInfo info{"rkLeft", "rkTop", "rkRight", "rkBottom"};
    return info;
}

}  // namespace skin
