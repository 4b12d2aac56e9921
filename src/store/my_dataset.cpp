#include "store/my_dataset.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>

#include "platform/exceptions.h"

namespace fillmap {

namespace {

// The bookmark is copied into a buffer in the machine's byte order, which the buffer layout
// fixes as little-endian.
static_assert(std::endian::native == std::endian::little);

constexpr const char* field_names[] = {"Point", "Input", "Output", "Height", "Volume"};
constexpr int field_size = 11;
constexpr std::int32_t text_size = field_size * static_cast<std::int32_t>(std::size(field_names));
constexpr std::int32_t bookmark_size = sizeof(std::int32_t);
// The text, the bookmark and the bookmark flag.
constexpr std::int32_t buffer_size = text_size + bookmark_size + 1;

std::int32_t ReadBookmark(const std::byte* source) {
  std::int32_t bookmark;
  std::memcpy(&bookmark, source, sizeof bookmark);
  return bookmark;
}

void WriteBookmark(std::byte* destination, std::int32_t bookmark) {
  std::memcpy(destination, &bookmark, sizeof bookmark);
}

// The length of a text that ends at its first NUL or after limit characters.
std::size_t TextLength(const char* text, int limit) {
  return static_cast<std::size_t>(std::find(text, text + limit, '\0') - text);
}

}  // namespace

TMyDataSet::~TMyDataSet() {
  try {
    Close();
  } catch (...) {
    InternalHandleException();
  }
}

int TMyDataSet::Count() const { return records_ ? static_cast<int>(records_->size()) : 0; }

int TMyDataSet::GetRecordCount() const { return Count(); }

int TMyDataSet::GetRecNo() {
  UpdateCursorPos();
  if (position_ == -1 && Count() > 0) return 1;
  return position_ + 1;
}

void TMyDataSet::SetRecNo(int n) {
  if (n < 1 || n > Count()) return;
  position_ = n - 1;
  Resync();
}

TRecordBuffer TMyDataSet::AllocRecordBuffer() {
  return new std::byte[static_cast<std::size_t>(record_buffer_size_)];
}

void TMyDataSet::FreeRecordBuffer(TRecordBuffer buffer) { delete[] buffer; }

void TMyDataSet::GetBookmarkData(const std::byte* buffer, std::byte* data) const {
  std::memcpy(data, buffer + record_info_offset_, bookmark_size);
}

TBookmarkFlag TMyDataSet::GetBookmarkFlag(const std::byte* buffer) const {
  return static_cast<TBookmarkFlag>(buffer[record_info_offset_ + bookmark_size]);
}

bool TMyDataSet::GetFieldData(const TField& field, char* data) const {
  const auto* slot = reinterpret_cast<const char*>(ActiveBuffer()) + field.Index() * field.Size();
  const std::size_t length = TextLength(slot, field.Size());
  std::memcpy(data, slot, length);
  data[length] = '\0';
  return length > 0;
}

TGetResult TMyDataSet::GetRecord(TRecordBuffer buffer, TGetMode mode, bool do_check) {
  if (Count() == 0) return TGetResult::grEOF;
  TGetResult result = TGetResult::grOK;
  switch (mode) {
    case TGetMode::gmCurrent:
      if (position_ < 0 || position_ >= Count()) result = TGetResult::grError;
      break;
    case TGetMode::gmNext:
      if (position_ < Count() - 1) {
        ++position_;
      } else {
        result = TGetResult::grEOF;
      }
      break;
    case TGetMode::gmPrior:
      if (position_ > 0) {
        --position_;
      } else {
        result = TGetResult::grBOF;
      }
      break;
  }
  if (result == TGetResult::grOK) {
    const TRecord& record = (*records_)[static_cast<std::size_t>(position_)];
    // The text part is padded with NULs, so that no byte of it is left unwritten.
    std::memset(buffer, 0, static_cast<std::size_t>(text_size));
    std::memcpy(buffer, record.text.data(), record.text.size());
    SetBookmarkFlag(buffer, TBookmarkFlag::bfCurrent);
    WriteBookmark(buffer + record_info_offset_, record.bookmark);
  }
  if (result == TGetResult::grError && do_check) throw EDatabaseError("No Records");
  return result;
}

std::uint16_t TMyDataSet::GetRecordSize() const { return static_cast<std::uint16_t>(text_size); }

void TMyDataSet::InternalAddRecord(const std::byte* buffer, bool append) {
  if (append) InternalLast();
  InsertRecord(buffer);
}

void TMyDataSet::InternalClose() {
  records_.reset();
  DestroyFields();
  last_bookmark_ = 0;
  position_ = -1;
}

void TMyDataSet::InternalDelete() {
  records_->erase(records_->begin() + position_);
  if (position_ >= Count()) --position_;
}

void TMyDataSet::InternalFirst() { position_ = -1; }

void TMyDataSet::InternalGotoBookmark(const std::byte* bookmark) {
  const std::int32_t wanted = ReadBookmark(bookmark);
  const auto found = std::ranges::find(*records_, wanted, &TRecord::bookmark);
  if (found == records_->end()) throw EDatabaseError("Bookmark not found");
  position_ = static_cast<std::int32_t>(found - records_->begin());
}

void TMyDataSet::InternalHandleException() { ApplicationHandleException(std::current_exception()); }

void TMyDataSet::InternalInitFieldDefs() {
  FieldDefs().clear();
  for (const char* name : field_names) {
    FieldDefs().push_back({name, TFieldType::ftString, field_size});
  }
}

void TMyDataSet::InternalInitRecord(TRecordBuffer buffer) {
  std::memset(buffer, 0, static_cast<std::size_t>(text_size));
}

void TMyDataSet::InternalLast() { position_ = Count(); }

void TMyDataSet::InternalOpen() {
  records_.emplace();
  last_bookmark_ = 0;
  position_ = -1;
  record_info_offset_ = text_size;
  record_buffer_size_ = buffer_size;
  SetBookmarkSize(bookmark_size);
  InternalInitFieldDefs();
  CreateFields();
}

void TMyDataSet::InternalPost() {
  if (State() == TDataSetState::dsEdit) {
    (*records_)[static_cast<std::size_t>(position_)].text = RecordText(ActiveBuffer());
  } else {
    InsertRecord(ActiveBuffer());
  }
}

void TMyDataSet::InternalSetToRecord(const std::byte* buffer) {
  InternalGotoBookmark(buffer + record_info_offset_);
}

bool TMyDataSet::IsCursorOpen() const { return records_.has_value(); }

void TMyDataSet::SetBookmarkFlag(TRecordBuffer buffer, TBookmarkFlag flag) {
  buffer[record_info_offset_ + bookmark_size] = static_cast<std::byte>(flag);
}

void TMyDataSet::SetBookmarkData(TRecordBuffer buffer, const std::byte* data) {
  std::memcpy(buffer + record_info_offset_, data, bookmark_size);
}

void TMyDataSet::SetFieldData(TField& field, const char* data) {
  auto* slot = reinterpret_cast<char*>(ActiveBuffer()) + field.Index() * field.Size();
  // A shorter value is followed by NULs within its slot, so nothing of the old value remains.
  // The record text ends at its first NUL, so the fields after such a value are lost on post.
  std::strncpy(slot, data, static_cast<std::size_t>(field.Size()));
  DataEvent(TDataEvent::deFieldChange, &field);
}

std::string TMyDataSet::RecordText(const std::byte* buffer) const {
  const auto* text = reinterpret_cast<const char*>(buffer);
  return std::string(text, TextLength(text, text_size));
}

void TMyDataSet::InsertRecord(const std::byte* buffer) {
  ++last_bookmark_;
  // Before the first record, the new one becomes the first.
  position_ = std::max(position_, 0);
  records_->insert(records_->begin() + position_, TRecord{RecordText(buffer), last_bookmark_});
}

}  // namespace fillmap
