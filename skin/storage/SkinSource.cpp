#include "skin/storage/SkinSource.h"

#include <cstdint>

#include <filesystem>
#include <system_error>

#include "framework/TextUtil.h"
#include "skin/ProgramFolder.h"
#include "skin/storage/SkinFilters.h"
#include "skin/objects/SkinObject.h"

namespace skin {

TSeSkinSource::TSeSkinSource(framework::TComponent* owner) : framework::TComponent(owner) {}

TSeSkinSource::~TSeSkinSource() { Clear(); }

const framework::PropertyTable& TSeSkinSource::ClassProperties() {
    using T = TSeSkinSource;
    using namespace framework;
    static const PropertyTable table(&TComponent::ClassProperties(),
                                     {
                                         StringProperty("SkinName", &T::SkinName, &T::SetSkinName),
                                         StringProperty("SkinVersion", &T::SkinVersion, &T::SetSkinVersion),
                                         StringProperty("Author", &T::Author, &T::SetAuthor),
                                         StringProperty("AuthorEMail", &T::AuthorEMail, &T::SetAuthorEMail),
                                         StringProperty("AuthorURL", &T::AuthorURL, &T::SetAuthorURL),
                                     });
    return table;
}

TSeSkinObject* TSeSkinSource::SkinObjects(int index) const {
    if (locked_ || index < 0 || index >= Count()) return nullptr;
    return objects_[std::size_t(index)].get();
}

TSeSkinObject* TSeSkinSource::AddObject(std::unique_ptr<TSeSkinObject> object) {
    objects_.push_back(std::move(object));
    ++generation_;
    return objects_.back().get();
}

TSeSkinObject* TSeSkinSource::GetObjectByName(std::string_view name) const {
    for (const auto& object : objects_)
        if (framework::SameText(object->Name(), name)) return object.get();
    return nullptr;
}

TSeSkinObject* TSeSkinSource::GetObjectByKind(TSeKind kind) const {
    for (const auto& object : objects_)
        if (object->Kind() == kind) return object.get();
    return nullptr;
}

TSeSkinObject* TSeSkinSource::GetFormObject() const {
    if (TSeSkinObject* form = GetObjectByName("Form")) return form;
    return GetObjectByKind(skForm);
}

void TSeSkinSource::Clear() {
    bitmaps_.Clear();
    // The last object first, as owners free their components.
    while (!objects_.empty()) objects_.pop_back();
    ++generation_;
}

namespace {

void LoadWith(const SkinFilterClass& filterClass, TSeSkinSource& source, framework::TStream& stream) {
    std::unique_ptr<TSeSkinFilter> filter = filterClass.create();
    filter->SetSource(&source);
    filter->LoadFromStream(stream);
}

void SaveWith(const SkinFilterClass& filterClass, TSeSkinSource& source, framework::TStream& stream) {
    std::unique_ptr<TSeSkinFilter> filter = filterClass.create();
    filter->SetSource(&source);
    filter->SaveToStream(stream);
}

bool IsFile(const std::string& name) {
    std::error_code error;
    return std::filesystem::is_regular_file(name, error);
}

bool IsAbsolute(const std::string& name) {
    return (name.size() > 1 && name[1] == ':') || name[0] == '\\' || name[0] == '/';
}

}  // namespace

void TSeSkinSource::LoadFromStream(framework::TStream& stream) { LoadWith(DefaultSkinFilter(), *this, stream); }

void TSeSkinSource::SaveToStream(framework::TStream& stream) { SaveWith(DefaultSkinFilter(), *this, stream); }

void TSeSkinSource::LoadFromFile(const std::string& fileName) {
    if (fileName.empty()) return;
    std::string name = fileName;
    if (!IsFile(name)) {
        if (IsAbsolute(name)) return;
        name = ProgramFolder() + name;
        if (!IsFile(name)) return;
    }
    const SkinFilterClass* filter = FindSkinFilter(name);
    if (!filter) return;
    framework::TFileStream file(name, framework::TFileStream::Mode::OpenRead);
    LoadWith(*filter, *this, file);
}

void TSeSkinSource::SaveToFile(const std::string& fileName) {
    if (fileName.empty()) return;
    const SkinFilterClass* filter = FindSkinFilter(fileName);
    // The whole stored form first: a skin that cannot be stored leaves no
    // part of itself in the file, and the file as it was.
    framework::TMemoryStream stored;
    SaveWith(filter ? *filter : DefaultSkinFilter(), *this, stored);
    framework::TFileStream file(fileName, framework::TFileStream::Mode::Create);
    file.WriteBuffer(stored.Bytes().data(), stored.Bytes().size());
    file.Close();  // a write that fails shows here at the latest
}

void TSeSkinSource::ChangeHue(int delta) {
    if (delta == hueDelta_) return;
    // The hue circle has 255 steps: the difference is taken around it, in
    // 64 bits, so that no pair of values overflows.
    const int step = int((std::int64_t{delta} - appliedHue_) % 255);
    hueDelta_ = delta;
    for (int i = 0; i < bitmaps_.Count(); ++i) bitmaps_.Items(i)->ChangeHue(step);
    // Through the indexed access, so never while Locked.
    for (int i = 0; i < Count(); ++i)
        if (TSeSkinObject* object = SkinObjects(i)) object->ChangeHue(step);
    appliedHue_ = hueDelta_;
}

}  // namespace skin
