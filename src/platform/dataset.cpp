#include "platform/dataset.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

#include "platform/exceptions.h"

namespace fillmap {

namespace {

std::function<void(const std::exception&)>& ExceptionReport() {
  static std::function<void(const std::exception&)> report;
  return report;
}

// Field names are matched without regard to case, as users of a data set expect.
bool SameFieldName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

void SetApplicationExceptionReport(std::function<void(const std::exception&)> report) {
  ExceptionReport() = std::move(report);
}

void ApplicationHandleException(std::exception_ptr error) {
  if (!error || !ExceptionReport()) return;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    ExceptionReport()(e);
  } catch (...) {
    // Only the program's own errors carry a text to show.
  }
}

// Fields

TField::TField(TDataSet& data_set, const TFieldDef& def, int index)
    : data_set_(data_set), name_(def.Name), size_(def.Size), index_(index) {}

bool TField::GetData(char* destination) const {
  return data_set_.buffer_valid_ && data_set_.GetFieldData(*this, destination);
}

void TField::SetData(const char* source) {
  data_set_.CheckEditing();
  data_set_.SetFieldData(*this, source);
}

TStringField::TStringField(TDataSet& data_set, const TFieldDef& def, int index)
    : TField(data_set, def, index) {}

std::string TStringField::AsString() const {
  std::string text(static_cast<std::size_t>(Size()) + 1, '\0');
  if (!GetData(text.data())) return {};
  text.resize(std::strlen(text.c_str()));
  return text;
}

void TStringField::SetAsString(std::string_view text) { SetData(std::string(text).c_str()); }

// Listeners

TDataLink::~TDataLink() { SetDataSet(nullptr); }

void TDataLink::SetDataSet(TDataSet* data_set) {
  if (data_set == data_set_) return;
  if (data_set_) std::erase(data_set_->links_, this);
  data_set_ = data_set;
  if (data_set_) data_set_->links_.push_back(this);
}

// Data set

TDataSet::~TDataSet() {
  for (TDataLink* link : links_) link->data_set_ = nullptr;
}

void TDataSet::Open() {
  if (Active()) return;
  try {
    InternalOpen();
    for (TRecordBuffer& buffer : buffers_) buffer = AllocRecordBuffer();
  } catch (...) {
    CloseCursor();
    throw;
  }
  state_ = TDataSetState::dsBrowse;
  FetchEnd(true);
  DataEvent(TDataEvent::deActiveChange);
}

void TDataSet::Close() {
  if (!Active()) return;
  state_ = TDataSetState::dsInactive;
  CloseCursor();
  DataEvent(TDataEvent::deActiveChange);
}

void TDataSet::CloseCursor() {
  for (TRecordBuffer& buffer : buffers_) {
    if (buffer) FreeRecordBuffer(buffer);
    buffer = nullptr;
  }
  if (IsCursorOpen()) InternalClose();
  buffer_valid_ = false;
  bof_ = eof_ = true;
}

void TDataSet::First() {
  CheckBrowseMode();
  FetchEnd(true);
  DataEvent(TDataEvent::deDataSetScroll);
}

void TDataSet::Last() {
  CheckBrowseMode();
  FetchEnd(false);
  DataEvent(TDataEvent::deDataSetScroll);
}

int TDataSet::MoveBy(int distance) {
  CheckBrowseMode();
  const bool forward = distance > 0;
  int moved = 0;
  while (moved != distance) {
    if (!Fetch(forward ? TGetMode::gmNext : TGetMode::gmPrior)) {
      (forward ? eof_ : bof_) = true;
      break;
    }
    moved += forward ? 1 : -1;
  }
  if (moved != 0) {
    (forward ? bof_ : eof_) = false;
    DataEvent(TDataEvent::deDataSetScroll);
  }
  return moved;
}

TBookmark TDataSet::GetBookmark() const {
  // A new record has no bookmark yet: its bookmark bytes were never written.
  if (!buffer_valid_ || state_ == TDataSetState::dsInsert) return {};
  TBookmark bookmark(bookmark_size_);
  GetBookmarkData(ActiveBuffer(), bookmark.data());
  return bookmark;
}

void TDataSet::GotoBookmark(const TBookmark& bookmark) {
  CheckBrowseMode();
  if (bookmark.empty() || bookmark.size() != bookmark_size_) {
    throw EDatabaseError("Bookmark not found");
  }
  InternalGotoBookmark(bookmark.data());
  Resync();
}

void TDataSet::Append() {
  CheckBrowseMode();
  InternalInitRecord(ActiveBuffer());
  SetBookmarkFlag(ActiveBuffer(), TBookmarkFlag::bfEOF);
  buffer_valid_ = true;
  state_ = TDataSetState::dsInsert;
}

void TDataSet::Edit() {
  CheckActive();
  if (Editing()) return;
  if (!buffer_valid_) throw EDatabaseError("Cannot edit an empty data set");
  state_ = TDataSetState::dsEdit;
}

void TDataSet::Post() {
  CheckEditing();
  UpdateCursorPos();
  InternalPost();
  Refetch();
  DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::Cancel() {
  if (!Editing()) return;
  Refetch();
  DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::Delete() {
  CheckActive();
  // A record that was never posted is not in the data set: deleting it drops it.
  if (state_ == TDataSetState::dsInsert) {
    Cancel();
    return;
  }
  if (!buffer_valid_) throw EDatabaseError("Cannot delete from an empty data set");
  UpdateCursorPos();
  InternalDelete();
  Refetch();
  DataEvent(TDataEvent::deDataSetChange);
}

TField& TDataSet::FieldByName(std::string_view name) {
  const auto found = std::ranges::find_if(
      fields_, [name](const auto& field) { return SameFieldName(field->FieldName(), name); });
  if (found == fields_.end()) throw EDatabaseError("Field '" + std::string(name) + "' not found");
  return **found;
}

void TDataSet::EnableControls() {
  if (disabled_count_ == 0 || --disabled_count_ > 0 || !held_event_) return;
  Notify(*std::exchange(held_event_, std::nullopt), nullptr);
}

void TDataSet::CreateFields() {
  for (const TFieldDef& def : field_defs_) {
    const int index = static_cast<int>(fields_.size());
    switch (def.DataType) {
      case TFieldType::ftString:
        fields_.push_back(std::make_unique<TStringField>(*this, def, index));
        break;
    }
  }
}

void TDataSet::UpdateCursorPos() {
  if (!buffer_valid_) return;
  switch (GetBookmarkFlag(ActiveBuffer())) {
    case TBookmarkFlag::bfEOF:
      InternalLast();
      break;
    case TBookmarkFlag::bfBOF:
      InternalFirst();
      break;
    case TBookmarkFlag::bfCurrent:
    case TBookmarkFlag::bfInserted:
      InternalSetToRecord(ActiveBuffer());
      break;
  }
}

void TDataSet::Resync() {
  Refetch();
  DataEvent(TDataEvent::deDataSetScroll);
}

void TDataSet::DataEvent(TDataEvent event, const TField* field) {
  if (disabled_count_ == 0) {
    Notify(event, field);
    return;
  }
  // A field change held back loses its field, so it is told as a change of the records.
  const TDataEvent held = event == TDataEvent::deFieldChange ? TDataEvent::deDataSetChange : event;
  if (!held_event_ || *held_event_ < held) held_event_ = held;
}

void TDataSet::CheckActive() const {
  if (!Active()) throw EDatabaseError("Cannot perform this operation on a closed data set");
}

void TDataSet::CheckEditing() const {
  if (!Editing()) throw EDatabaseError("Data set is not in edit or insert mode");
}

void TDataSet::CheckBrowseMode() {
  CheckActive();
  if (Editing()) Post();
}

bool TDataSet::Fetch(TGetMode mode) {
  const std::size_t spare = 1 - active_;
  if (GetRecord(buffers_[spare], mode, false) != TGetResult::grOK) return false;
  active_ = spare;
  buffer_valid_ = true;
  return true;
}

void TDataSet::FetchEnd(bool first) {
  if (first) {
    InternalFirst();
  } else {
    InternalLast();
  }
  buffer_valid_ = Fetch(first ? TGetMode::gmNext : TGetMode::gmPrior);
  bof_ = first || !buffer_valid_;
  eof_ = !first || !buffer_valid_;
}

void TDataSet::Refetch() {
  state_ = TDataSetState::dsBrowse;
  buffer_valid_ = Fetch(TGetMode::gmCurrent) || Fetch(TGetMode::gmNext) || Fetch(TGetMode::gmPrior);
  bof_ = eof_ = !buffer_valid_;
}

void TDataSet::Notify(TDataEvent event, const TField* field) {
  // A listener may unsubscribe itself, or another one, while it is being told.
  const std::vector<TDataLink*> listeners = links_;
  for (TDataLink* link : listeners) {
    if (std::ranges::find(links_, link) != links_.end()) link->DataEvent(event, field);
  }
}

}  // namespace fillmap
