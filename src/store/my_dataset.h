#pragma once
// The calibration record store: the in-memory table of calibration rows that the calculation
// fills, the grid shows and the report prints. Its rows live only while it is open.
//
// Each record is a 55-character text of five 11-character field slots (Point, Input, Output,
// Height, Volume) with a bookmark number, unique among the records created since the last open.
// A record buffer is 60 bytes: the text, the bookmark (32-bit little-endian) at offset 55 and
// the bookmark flag at offset 59.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/dataset.h"

namespace fillmap {

class TMyDataSet : public TDataSet {
 public:
  TMyDataSet() = default;
  ~TMyDataSet() override;

  void SetRecNo(int n) override;

 protected:
  int GetRecordCount() const override;
  int GetRecNo() override;
  TRecordBuffer AllocRecordBuffer() override;
  void FreeRecordBuffer(TRecordBuffer buffer) override;
  void GetBookmarkData(const std::byte* buffer, std::byte* data) const override;
  TBookmarkFlag GetBookmarkFlag(const std::byte* buffer) const override;
  bool GetFieldData(const TField& field, char* data) const override;
  TGetResult GetRecord(TRecordBuffer buffer, TGetMode mode, bool do_check) override;
  std::uint16_t GetRecordSize() const override;
  void InternalAddRecord(const std::byte* buffer, bool append) override;
  void InternalClose() override;
  void InternalDelete() override;
  void InternalFirst() override;
  void InternalGotoBookmark(const std::byte* bookmark) override;
  void InternalHandleException() override;
  void InternalInitFieldDefs() override;
  void InternalInitRecord(TRecordBuffer buffer) override;
  void InternalLast() override;
  void InternalOpen() override;
  void InternalPost() override;
  void InternalSetToRecord(const std::byte* buffer) override;
  bool IsCursorOpen() const override;
  void SetBookmarkFlag(TRecordBuffer buffer, TBookmarkFlag flag) override;
  void SetBookmarkData(TRecordBuffer buffer, const std::byte* data) override;
  void SetFieldData(TField& field, const char* data) override;

 private:
  struct TRecord {
    std::string text;
    std::int32_t bookmark;
  };

  int Count() const;
  // The text part of a buffer, up to its first NUL.
  std::string RecordText(const std::byte* buffer) const;
  void InsertRecord(const std::byte* buffer);

  // One item per record in display order; there is no list while the store is closed.
  std::optional<std::vector<TRecord>> records_;
  std::int32_t record_buffer_size_ = 0;
  std::int32_t record_info_offset_ = 0;
  // Index into the records: -1 before the first, Count() after the last.
  std::int32_t position_ = -1;
  std::int32_t last_bookmark_ = 0;
};

}  // namespace fillmap
