#pragma once

#include "componentpack/roobject.h"
#include "framework/windows/component.h"

#include <QString>

#include <functional>
#include <vector>

namespace pellax {

class TFiler;
class TROCustomImageList;

// A control's registration with an image list: the list calls OnChange when
// its images change. Freeing a link unregisters it.
class TROChangeLink {
public:
    TROChangeLink() = default;
    ~TROChangeLink();
    TROChangeLink(const TROChangeLink&) = delete;
    TROChangeLink& operator=(const TROChangeLink&) = delete;

    std::function<void(TROCustomImageList& sender)> OnChange;
    TROCustomImageList* Sender() const noexcept { return sender_; }

private:
    friend class TROCustomImageList;
    TROCustomImageList* sender_ = nullptr;
};

// The least an image list needs here: links that register and unregister and
// are told of a change.
class TROCustomImageList : public TComponent {
public:
    explicit TROCustomImageList(TComponent* owner = nullptr, QString name = {});
    ~TROCustomImageList() override;

    void RegisterChanges(TROChangeLink& link);
    void UnRegisterChanges(TROChangeLink& link);
    // Tells every registered link.
    void Change();
    std::size_t linkCount() const noexcept { return links_.size(); }

private:
    std::vector<TROChangeLink*> links_;
};

// The two image lists the whole process shares, and the names a control's
// hidden property Internal stores for them.
TROCustomImageList& sharedBitmapList();
TROCustomImageList& sharedImageList();
inline constexpr const char* kSharedBitmapListName = "ROBML014";
inline constexpr const char* kSharedImageListName = "ROIML014";
// The stored name of a shared list; empty for any other list or none.
QString sharedListName(const TROCustomImageList* list);
// The shared list a stored name stands for; none for any other text.
TROCustomImageList* sharedListNamed(const QString& name);

// The image list a pack control links to, shared by both control bases: it
// registers the control's change link, asks to be told when the list is freed,
// and reports every change of the linked list or of the link itself.
class ImageListLink {
public:
    ImageListLink(TComponent& control, std::function<void(TSender)> changed);
    ~ImageListLink();
    ImageListLink(const ImageListLink&) = delete;
    ImageListLink& operator=(const ImageListLink&) = delete;

    TROCustomImageList* list() const noexcept { return list_; }
    // Unlinks the old list, links the new one (if any), then reports a change.
    void set(TROCustomImageList* list);
    // For the control's removal notification: a freed linked list is unlinked.
    void removed(TComponent* component);
    // Stops reporting; for a control on its way out.
    void clearHandler() { link_.OnChange = nullptr; }

    // Offers the hidden property Internal, stored only for a shared list.
    void defineInternal(TFiler& filer);

private:
    TComponent& control_;
    std::function<void(TSender)> changed_;
    TROChangeLink link_;
    TROCustomImageList* list_ = nullptr;
};

}  // namespace pellax
