// Charts that show one data list: a master and up to four sharers.

#include <new>

#include "chart/zarn_vorel.h"
#include "platform/application.h"

namespace zarn {

namespace {

// A refusal is told to the person at the program; while a layout loads nobody
// is there to answer a message box, so the refusal is the layout's error.
void Refuse(const TComponent& chart, const char* message) {
  if (chart.IsLoading()) throw EZarnVorelError(message);
  ShowMessage(message);
}

}  // namespace

TCustomVorel* TCustomVorel::Sharer(int index) const {
  return index >= 0 && index < sharerCount_ ? sharers_[static_cast<std::size_t>(index)] : nullptr;
}

void TCustomVorel::SetUseDataOf(TCustomVorel* value) {
  if (value == this) {
    Refuse(*this, "Vorel: Cannot share data with myself");
    return;
  }
  if (sharerCount_ > 0) {
    Refuse(*this, "Vorel: Cannot use foreign data. Other Vorels are using my own data.");
    return;
  }
  if (value == master_) return;
  if (!value) {
    LeaveGroup();
    return;
  }
  // Groups are one level deep: joining a sharer joins its master.
  TCustomVorel& master = value->master_ ? *value->master_ : *value;
  if (master.sharerCount_ >= static_cast<int>(master.sharers_.size())) {
    Refuse(*this, "Vorel: Max. number of data shares exceeded");
    return;
  }
  if (master_) master_->DropPartner(*this);
  master_ = &master;
  data_ = master.data_;
  master.sharers_[static_cast<std::size_t>(master.sharerCount_++)] = this;
  RepaintPartner(*this);
}

// The list object is shared, so handing on only keeps every member pointing
// at it; the contents are never copied here.
void TCustomVorel::HandOnDataList() {
  const auto take = [this](TCustomVorel& partner) {
    if (partner.data_ != data_) partner.data_ = data_;
  };
  if (master_) {
    take(*master_);
    for (int i = 0; i < master_->sharerCount_; ++i)
      take(*master_->Sharer(i));
  }
  for (int i = 0; i < sharerCount_; ++i)
    take(*Sharer(i));
}

void TCustomVorel::RepaintPartners() {
  if (master_) {
    RepaintPartner(*master_);
    for (int i = 0; i < master_->sharerCount_; ++i)
      RepaintPartner(*master_->Sharer(i));
  }
  for (int i = 0; i < sharerCount_; ++i)
    RepaintPartner(*Sharer(i));
}

void TCustomVorel::RepaintPartner(TCustomVorel& partner) {
  partner.RedrawIfAuto();
}

// A chart that leaves keeps what it showed, in a list of its own: sharing the
// group's list object would let it and the group append into each other.
void TCustomVorel::LeaveGroup() {
  if (!master_) return;
  auto own = std::make_shared<TVoItemContainer>();
  own->CopyFrom(*data_, data_->Capacity());
  master_->DropPartner(*this);
  data_ = std::move(own);
  RepaintPartner(*this);
}

void TCustomVorel::DropPartner(TCustomVorel& partner) {
  if (master_ == &partner) master_ = nullptr;
  for (int i = 0; i < sharerCount_; ++i) {
    if (sharers_[static_cast<std::size_t>(i)] != &partner) continue;
    for (int j = i; j + 1 < sharerCount_; ++j)
      sharers_[static_cast<std::size_t>(j)] = sharers_[static_cast<std::size_t>(j + 1)];
    sharers_[static_cast<std::size_t>(--sharerCount_)] = nullptr;
    partner.master_ = nullptr;
    return;
  }
}

}  // namespace zarn
