#include "framework/Property.h"

#include "framework/Persistent.h"
#include "framework/TextUtil.h"

namespace framework {

int EnumInfo::IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (SameText(names_[i], name)) return static_cast<int>(i);
    }
    return -1;
}

PropertyTable::PropertyTable(const PropertyTable* parent, std::vector<PropertyInfo> own) : own_(std::move(own)) {
    if (parent) all_ = parent->All();
    for (const PropertyInfo& info : own_) all_.push_back(&info);
    // The first of equal names wins, as a walk in table order would find it.
    for (const PropertyInfo* info : all_) {
        byName_.emplace(info->name, info);
        byFoldedName_.emplace(FoldedText(info->name), info);
    }
}

const PropertyInfo* PropertyTable::Find(std::string_view name) const {
    // Stored names nearly always have the table's own case: that lookup
    // needs no folded copy of the name.
    if (const auto exact = byName_.find(name); exact != byName_.end()) return exact->second;
    const auto folded = byFoldedName_.find(FoldedText(name));
    return folded == byFoldedName_.end() ? nullptr : folded->second;
}

ResolvedProperty ResolveProperty(TPersistent& object, std::string_view dottedName) {
    TPersistent* current = &object;
    // A property path is short; the bound keeps a hostile name from walking far.
    for (int depth = 0; depth < 16; ++depth) {
        const std::size_t dot = dottedName.find('.');
        const PropertyInfo* info = current->Properties().Find(dottedName.substr(0, dot));
        if (!info) return {};
        if (dot == std::string_view::npos) return {current, info};
        if (info->kind != PropertyKind::Object) return {};
        current = info->getObject(*current);
        if (!current) return {};
        dottedName.remove_prefix(dot + 1);
    }
    return {};
}

}  // namespace framework
