// Date and time label settings.

#include "scale/zarn_scale.h"

namespace zarn {

TDTLabel::~TDTLabel() {
  OnChange = nullptr;
}

void TDTLabel::Changed() {
  if (OnChange) OnChange(this);
}

void TDTLabel::Assign(const TPersistent& source) {
  const auto* s = dynamic_cast<const TDTLabel*>(&source);
  if (s == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (s == this) return;
  timeFormat_ = s->timeFormat_;
  dateSeparator_ = s->dateSeparator_;
  timeSeparator_ = s->timeSeparator_;
  yearLength_ = s->yearLength_;
  monthName_ = s->monthName_;
  dateOrder_ = s->dateOrder_;
  dateForTime_ = s->dateForTime_;
  OnChange = s->OnChange;
}

void TDTLabel::SetAxisDefaults() {
  SetTimeFormat(tfHHMMSS);
  SetDateSeparator('-');
  SetTimeSeparator(':');
  SetYearLength(ylYYYY);
  SetMonthName(true);
  SetDateOrder(doDDMMYY);
  SetDateForTime(dtOnePerDay);
}

void TDTLabel::SetTimeFormat(TTimeFormat value) {
  timeFormat_ = value;
  Changed();
}

void TDTLabel::SetDateSeparator(char value) {
  if (dateSeparator_ == value) return;
  dateSeparator_ = value;
  Changed();
}

void TDTLabel::SetTimeSeparator(char value) {
  if (timeSeparator_ == value) return;
  timeSeparator_ = value;
  Changed();
}

void TDTLabel::SetYearLength(TYearLength value) {
  if (yearLength_ == value) return;
  yearLength_ = value;
  Changed();
}

void TDTLabel::SetMonthName(bool value) {
  if (monthName_ == value) return;
  monthName_ = value;
  Changed();
}

void TDTLabel::SetDateOrder(TDateOrder value) {
  dateOrder_ = value;
  Changed();
}

void TDTLabel::SetDateForTime(TDateForTime value) {
  if (dateForTime_ == value) return;
  dateForTime_ = value;
  Changed();
}

}  // namespace zarn
