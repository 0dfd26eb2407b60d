#include "componentpack/imagelist.h"

#include "framework/windows/filer.h"

#include <algorithm>

namespace pellax {

TROChangeLink::~TROChangeLink() {
    if (sender_)
        sender_->UnRegisterChanges(*this);
}

TROCustomImageList::TROCustomImageList(TComponent* owner, QString name) : TComponent(owner, std::move(name)) {}

TROCustomImageList::~TROCustomImageList() {
    for (TROChangeLink* link : links_)
        link->sender_ = nullptr;
}

void TROCustomImageList::RegisterChanges(TROChangeLink& link) {
    if (link.sender_ == this)
        return;
    if (link.sender_)
        link.sender_->UnRegisterChanges(link);
    link.sender_ = this;
    links_.push_back(&link);
}

void TROCustomImageList::UnRegisterChanges(TROChangeLink& link) {
    const auto it = std::find(links_.begin(), links_.end(), &link);
    if (it == links_.end())
        return;
    links_.erase(it);
    link.sender_ = nullptr;
}

void TROCustomImageList::Change() {
    // A handler may unregister its link, so work on a copy.
    const std::vector<TROChangeLink*> links = links_;
    for (TROChangeLink* link : links) {
        if (link->OnChange && std::find(links_.begin(), links_.end(), link) != links_.end())
            link->OnChange(*this);
    }
}

TROCustomImageList& sharedBitmapList() {
    static TROCustomImageList list(nullptr, QString::fromLatin1(kSharedBitmapListName));
    return list;
}

TROCustomImageList& sharedImageList() {
    static TROCustomImageList list(nullptr, QString::fromLatin1(kSharedImageListName));
    return list;
}

QString sharedListName(const TROCustomImageList* list) {
    if (!list)
        return {};
    if (list == &sharedBitmapList())
        return QString::fromLatin1(kSharedBitmapListName);
    if (list == &sharedImageList())
        return QString::fromLatin1(kSharedImageListName);
    return {};
}

TROCustomImageList* sharedListNamed(const QString& name) {
    if (name == QLatin1String(kSharedBitmapListName))
        return &sharedBitmapList();
    if (name == QLatin1String(kSharedImageListName))
        return &sharedImageList();
    return nullptr;
}

ImageListLink::ImageListLink(TComponent& control, std::function<void(TSender)> changed)
    : control_(control), changed_(std::move(changed)) {
    link_.OnChange = [this](TROCustomImageList& sender) {
        if (changed_)
            changed_(&sender);
    };
}

ImageListLink::~ImageListLink() {
    if (list_) {
        list_->UnRegisterChanges(link_);
        control_.RemoveFreeNotification(list_);
    }
}

void ImageListLink::set(TROCustomImageList* list) {
    if (list_) {
        list_->UnRegisterChanges(link_);
        control_.RemoveFreeNotification(list_);
    }
    list_ = list;
    if (list_) {
        list_->RegisterChanges(link_);
        control_.FreeNotification(list_);
    }
    if (changed_)
        changed_(nullptr);
}

void ImageListLink::removed(TComponent* component) {
    if (component && component == list_) {
        // The list is half gone: nothing to unregister from any more.
        list_ = nullptr;
        if (changed_)
            changed_(nullptr);
    }
}

void ImageListLink::defineInternal(TFiler& filer) {
    const QString stored = sharedListName(list_);
    filer.DefineProperty(
        QStringLiteral("Internal"), [this](const QString& value) { set(sharedListNamed(value)); },
        [stored] { return stored; }, !stored.isEmpty());
}

}  // namespace pellax
