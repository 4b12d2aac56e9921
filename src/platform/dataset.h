#pragma once
// The data-set framework the record store is built on: data-set states, a ring of record
// buffers, navigation, field objects and the notification of data-aware controls.
//
// A concrete data set supplies only its storage, as the virtual operations below; the rest of
// the program drives it through the public operations. The framework keeps one active record
// buffer and keeps the data set's cursor on the record that buffer holds. A record buffer is raw
// memory whose layout belongs to the concrete data set: the framework reads it only through the
// virtual operations, and only once the data set has filled or initialised it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fillmap {

class TDataSet;

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// Where a record buffer stands: on a record, before the first, after the last, or new.
enum class TBookmarkFlag : std::uint8_t { bfCurrent, bfBOF, bfEOF, bfInserted };

enum class TGetMode { gmCurrent, gmNext, gmPrior };
enum class TGetResult { grOK, grBOF, grEOF, grError };

enum class TFieldType { ftString };

// What a data-aware control hears. While controls are disabled the events are held back, and
// EnableControls sends the strongest of them once; they are listed from weakest to strongest.
enum class TDataEvent {
  deFieldChange,    // a field of the active record was assigned; the event names the field
  deDataSetScroll,  // the current record moved; the records themselves are unchanged
  deDataSetChange,  // records were added, removed or rewritten: read them again
  deActiveChange,   // the data set was opened or closed
};

using TRecordBuffer = std::byte*;
using TBookmark = std::vector<std::byte>;

struct TFieldDef {
  std::string Name;
  TFieldType DataType;
  int Size;
};

// A column of the data set, reading and writing the active record. Fields exist while the data
// set is open: they are created from the field definitions at open and destroyed at close.
class TField {
 public:
  TField(const TField&) = delete;
  TField& operator=(const TField&) = delete;
  virtual ~TField() = default;

  const std::string& FieldName() const { return name_; }
  int Size() const { return size_; }
  // The field's position in the data set's field list, from 0.
  int Index() const { return index_; }
  TDataSet& DataSet() const { return data_set_; }

  // The value in the active record; empty when the data set has no current record.
  virtual std::string AsString() const = 0;
  // Raises EDatabaseError unless the data set is being edited or a record is being appended.
  virtual void SetAsString(std::string_view text) = 0;

 protected:
  TField(TDataSet& data_set, const TFieldDef& def, int index);

  // The field's data of the active record as a NUL-terminated text of at most Size()
  // characters; false when there is none.
  bool GetData(char* destination) const;
  void SetData(const char* source);

 private:
  TDataSet& data_set_;
  std::string name_;
  int size_;
  int index_;
};

class TStringField final : public TField {
 public:
  TStringField(TDataSet& data_set, const TFieldDef& def, int index);

  std::string AsString() const override;
  void SetAsString(std::string_view text) override;
};

// A listener on one data set, such as the data source of a grid. SetDataSet subscribes it and
// SetDataSet(nullptr) unsubscribes it; destroying either side ends the subscription.
class TDataLink {
 public:
  TDataLink() = default;
  TDataLink(const TDataLink&) = delete;
  TDataLink& operator=(const TDataLink&) = delete;
  virtual ~TDataLink();

  TDataSet* DataSet() const { return data_set_; }
  void SetDataSet(TDataSet* data_set);

  // field is set for deFieldChange only.
  virtual void DataEvent(TDataEvent event, const TField* field) = 0;

 private:
  friend class TDataSet;
  TDataSet* data_set_ = nullptr;
};

// The application's standard exception report, for an error that cannot travel further up, such
// as one raised while a data set closes on its destruction. The window installs its error box;
// until one is installed the error is dropped.
void SetApplicationExceptionReport(std::function<void(const std::exception&)> report);
void ApplicationHandleException(std::exception_ptr error);

class TDataSet {
 public:
  TDataSet() = default;
  TDataSet(const TDataSet&) = delete;
  TDataSet& operator=(const TDataSet&) = delete;
  // A concrete data set closes itself in its own destructor, while its storage still exists.
  virtual ~TDataSet();

  TDataSetState State() const { return state_; }
  bool Active() const { return state_ != TDataSetState::dsInactive; }
  // Opening an open data set, or closing a closed one, does nothing. Open goes to the first
  // record; Close drops an unposted change.
  void Open();
  void Close();

  // Moving first posts a pending edit or append. Bof() is set by First and by a Prior that
  // finds no record before; Eof() by Last and by a Next that finds none after. On an empty data
  // set both are set.
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  // Moves up to |distance| records forward (positive) or back; returns how far it moved.
  int MoveBy(int distance);
  bool Bof() const { return bof_; }
  bool Eof() const { return eof_; }

  int RecordCount() const { return GetRecordCount(); }
  // The current record's number from 1; 0 when there is none.
  int RecNo() { return GetRecNo(); }
  // Goes to record n (1 to RecordCount()); any other n is ignored.
  virtual void SetRecNo(int /*n*/) {}

  // The current record's bookmark, empty when there is no current record (or a new one).
  TBookmark GetBookmark() const;
  void GotoBookmark(const TBookmark& bookmark);

  // Append starts a new record after the last one; Post stores it (or the edited record) and
  // makes it current; Cancel drops it. Delete removes the current record.
  void Append();
  void Edit();
  void Post();
  void Cancel();
  void Delete();

  // Raises EDatabaseError "Field 'X' not found" for a name the open data set does not have.
  TField& FieldByName(std::string_view name);

  // While controls are disabled, listeners hear nothing; the outermost EnableControls sends
  // the strongest event held back, if any. A reader that walks the records under
  // DisableControls and returns to its starting record with SetRecNo leaves only a
  // deDataSetScroll behind, so a listener that re-reads on deDataSetChange and deActiveChange,
  // and not on deDataSetScroll, never re-reads in answer to its own reading.
  void DisableControls() { ++disabled_count_; }
  void EnableControls();

 protected:
  // The storage of a concrete data set. The framework calls these; the rest of the program
  // never does.
  virtual int GetRecordCount() const { return -1; }
  virtual int GetRecNo() { return -1; }
  virtual TRecordBuffer AllocRecordBuffer() = 0;
  virtual void FreeRecordBuffer(TRecordBuffer buffer) = 0;
  virtual void GetBookmarkData(const std::byte* buffer, std::byte* data) const = 0;
  virtual TBookmarkFlag GetBookmarkFlag(const std::byte* buffer) const = 0;
  // Copies the field's data of the active buffer to data, NUL-terminated; false when empty.
  virtual bool GetFieldData(const TField& field, char* data) const = 0;
  virtual TGetResult GetRecord(TRecordBuffer buffer, TGetMode mode, bool do_check) = 0;
  virtual std::uint16_t GetRecordSize() const = 0;
  virtual void InternalAddRecord(const std::byte* buffer, bool append) = 0;
  virtual void InternalClose() = 0;
  virtual void InternalDelete() = 0;
  virtual void InternalFirst() = 0;
  virtual void InternalGotoBookmark(const std::byte* bookmark) = 0;
  // Called inside a handler of the exception to report.
  virtual void InternalHandleException() = 0;
  virtual void InternalInitFieldDefs() = 0;
  virtual void InternalInitRecord(TRecordBuffer buffer) = 0;
  virtual void InternalLast() = 0;
  virtual void InternalOpen() = 0;
  virtual void InternalPost() = 0;
  virtual void InternalSetToRecord(const std::byte* buffer) = 0;
  virtual bool IsCursorOpen() const = 0;
  virtual void SetBookmarkFlag(TRecordBuffer buffer, TBookmarkFlag flag) = 0;
  virtual void SetBookmarkData(TRecordBuffer buffer, const std::byte* data) = 0;
  virtual void SetFieldData(TField& field, const char* data) = 0;

  // Services for the concrete data set.
  TRecordBuffer ActiveBuffer() const { return buffers_[active_]; }
  std::vector<TFieldDef>& FieldDefs() { return field_defs_; }
  void SetBookmarkSize(std::size_t size) { bookmark_size_ = size; }
  // The default-field mechanism: one field object per definition, in definition order.
  void CreateFields();
  void DestroyFields() { fields_.clear(); }
  // Brings the cursor in line with the active buffer, by the buffer's bookmark flag: after the
  // last record goes to last, before the first goes to first, and a current or inserted record
  // goes to its bookmark.
  void UpdateCursorPos();
  // Reads the active record again from the cursor, after the cursor was moved directly.
  void Resync();
  void DataEvent(TDataEvent event, const TField* field = nullptr);

 private:
  friend class TField;
  friend class TDataLink;

  bool Editing() const {
    return state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert;
  }
  void CheckActive() const;
  void CheckEditing() const;
  // Posts a pending edit or append before the cursor moves.
  void CheckBrowseMode();
  void CloseCursor();
  // Fills the spare buffer with GetRecord and, when that finds a record, makes it the active one.
  bool Fetch(TGetMode mode);
  // Goes to the first or the last record.
  void FetchEnd(bool first);
  // Reads the record at the cursor, or the nearest one, and returns to browsing.
  void Refetch();
  void Notify(TDataEvent event, const TField* field);

  TDataSetState state_ = TDataSetState::dsInactive;
  // The ring of record buffers: the active one and the spare that the next record is read into.
  std::array<TRecordBuffer, 2> buffers_{};
  std::size_t active_ = 0;
  // Whether the active buffer holds a record read from the data set or a new one.
  bool buffer_valid_ = false;
  bool bof_ = true;
  bool eof_ = true;
  std::size_t bookmark_size_ = 0;
  std::vector<TFieldDef> field_defs_;
  std::vector<std::unique_ptr<TField>> fields_;
  std::vector<TDataLink*> links_;
  int disabled_count_ = 0;
  std::optional<TDataEvent> held_event_;
};

}  // namespace fillmap
