// TSeSkinSource: one loaded skin. It holds the five header strings, the
// skin's bitmaps and its top-level skin objects, and offers the lookups
// that skinned controls use. The engine owns one (SkinEngine.h); filters
// (SkinFilters.h) read it from and write it to streams and files.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "framework/Stream.h"
#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/SkinObjectTypes.h"

namespace skin {

class TSeSkinObject;

class TSeSkinSource : public framework::TComponent {
public:
    static constexpr std::string_view kClassName = "TSeSkinSource";
    // Header strings of a new source.
    static constexpr std::string_view kDefaultSkinName = "SkinEngine Skin";
    static constexpr std::string_view kDefaultSkinVersion = "3.1.4";
    static constexpr std::string_view kDefaultAuthor = "flashdiag skin library";
    static constexpr std::string_view kDefaultAuthorEMail = "skins@flashdiag.invalid";
    static constexpr std::string_view kDefaultAuthorURL = "https://flashdiag.invalid/skins";

    explicit TSeSkinSource(framework::TComponent* owner);
    ~TSeSkinSource() override;

    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // SkinName, SkinVersion, Author, AuthorEMail, AuthorURL, in stored order.
    static const framework::PropertyTable& ClassProperties();

    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& value) { skinName_ = value; }
    const std::string& SkinVersion() const { return skinVersion_; }
    void SetSkinVersion(const std::string& value) { skinVersion_ = value; }
    const std::string& Author() const { return author_; }
    void SetAuthor(const std::string& value) { author_ = value; }
    const std::string& AuthorEMail() const { return authorEMail_; }
    void SetAuthorEMail(const std::string& value) { authorEMail_ = value; }
    const std::string& AuthorURL() const { return authorURL_; }
    void SetAuthorURL(const std::string& value) { authorURL_ = value; }

    TSeBitmapList& Bitmaps() { return bitmaps_; }
    const TSeBitmapList& Bitmaps() const { return bitmaps_; }

    // ---- top-level objects --------------------------------------------
    int Count() const { return int(objects_.size()); }
    // The object at `index`; nullptr outside 0 .. Count() - 1 and while Locked.
    TSeSkinObject* SkinObjects(int index) const;
    // The same regardless of Locked: for the filters that store the skin.
    const TSeSkinObject& StoredObject(int index) const { return *objects_.at(std::size_t(index)); }
    // Appends a top-level object; the source owns it.
    TSeSkinObject* AddObject(std::unique_ptr<TSeSkinObject> object);
    // The first top-level object named `name` regardless of letter case
    // (children are not searched), or nullptr.
    TSeSkinObject* GetObjectByName(std::string_view name) const;
    // The first top-level object of that kind, or nullptr.
    TSeSkinObject* GetObjectByKind(TSeKind kind) const;
    // "Form", else the first object of kind skForm.
    TSeSkinObject* GetFormObject() const;
    // Changes whenever top-level objects are added or freed, so that a
    // holder of pointers into the tree can tell that they may be stale.
    unsigned Generation() const { return generation_; }

    // Frees every bitmap and every top-level object. The header strings and
    // HueDelta stay.
    void Clear();

    // ---- storage ----------------------------------------------------------
    // Through the default (compressed) filter.
    void LoadFromStream(framework::TStream& stream);
    void SaveToStream(framework::TStream& stream);
    // An empty name does nothing. A name that names no file is looked for in
    // the folder of the running program, unless it is absolute (a drive
    // letter and colon, or a leading separator); when neither file exists,
    // or its extension is no filter's, nothing happens. Errors of the file
    // or the filter propagate.
    void LoadFromFile(const std::string& fileName);
    // An empty name does nothing; an extension that is no filter's takes the
    // default filter. An existing file is replaced, once the whole stored
    // form has been made: a skin that cannot be stored leaves it untouched.
    void SaveToFile(const std::string& fileName);

    // While set, SkinObjects answers nothing (a skin is being replaced).
    bool Locked() const { return locked_; }
    void SetLocked(bool locked) { locked_ = locked; }

    // The hue shift last asked for, and ChangeHue: shifts every bitmap and
    // every top-level object by the difference to the shift applied so far.
    int HueDelta() const { return hueDelta_; }
    void ChangeHue(int delta);

private:
    std::string skinName_{kDefaultSkinName};
    std::string skinVersion_{kDefaultSkinVersion};
    std::string author_{kDefaultAuthor};
    std::string authorEMail_{kDefaultAuthorEMail};
    std::string authorURL_{kDefaultAuthorURL};
    TSeBitmapList bitmaps_;
    std::vector<std::unique_ptr<TSeSkinObject>> objects_;
    bool locked_ = false;
    unsigned generation_ = 0;
    int hueDelta_ = 0;
    int appliedHue_ = 0;
};

}  // namespace skin
