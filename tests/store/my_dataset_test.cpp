#include "store/my_dataset.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/exceptions.h"

namespace fillmap {
namespace {

using Row = std::array<std::string, 5>;
constexpr const char* field_names[] = {"Point", "Input", "Output", "Height", "Volume"};

std::string right(const std::string& text) { return std::string(11 - text.size(), ' ') + text; }

// Row k of a table: a distinct 11-character text in every field.
Row row(int k) {
  Row fields;
  for (int f = 0; f < 5; ++f) fields[f] = right(std::string(1, "PIOHV"[f]) + std::to_string(k));
  return fields;
}

std::vector<Row> rows(int first, int count) {
  std::vector<Row> result;
  for (int k = first; k < first + count; ++k) result.push_back(row(k));
  return result;
}

// The calculation's refill: empty the store by deleting, close it, then open and append row by
// row.
void refill(TDataSet& table, const std::vector<Row>& new_rows) {
  table.Open();
  for (int n = table.RecordCount(); n > 0; --n) table.Delete();
  table.Close();
  for (const Row& fields : new_rows) {
    table.Open();
    table.Append();
    for (int f = 0; f < 5; ++f) table.FieldByName(field_names[f]).SetAsString(fields[f]);
    table.Post();
  }
}

Row current_row(TDataSet& table) {
  Row fields;
  for (int f = 0; f < 5; ++f) fields[f] = table.FieldByName(field_names[f]).AsString();
  return fields;
}

// What a report reads: every record from first to after-last.
std::vector<Row> walk(TDataSet& table) {
  std::vector<Row> result;
  for (table.First(); !table.Eof(); table.Next()) result.push_back(current_row(table));
  return result;
}

std::int32_t bookmark_number(const TBookmark& bookmark) {
  std::int32_t number = 0;
  if (bookmark.size() != sizeof number) return -1;
  std::memcpy(&number, bookmark.data(), sizeof number);
  return number;
}

std::string error_of(const std::function<void()>& action) {
  try {
    action();
  } catch (const EDatabaseError& error) {
    return error.what();
  }
  return "no error";
}

// The store's own operations, which only the framework calls in the program.
class StoreProbe : public TMyDataSet {
 public:
  using TMyDataSet::GetBookmarkData;
  using TMyDataSet::GetBookmarkFlag;
  using TMyDataSet::GetRecNo;
  using TMyDataSet::GetRecord;
  using TMyDataSet::GetRecordSize;
  using TMyDataSet::InternalAddRecord;
  using TMyDataSet::InternalFirst;
  using TMyDataSet::InternalGotoBookmark;
  using TMyDataSet::InternalInitRecord;
  using TMyDataSet::InternalLast;
  using TMyDataSet::InternalSetToRecord;
  using TMyDataSet::SetBookmarkData;
  using TMyDataSet::SetBookmarkFlag;

  // A record buffer of the open store.
  class Buffer {
   public:
    explicit Buffer(StoreProbe& store) : store_(store), data_(store.AllocRecordBuffer()) {}
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    ~Buffer() { store_.FreeRecordBuffer(data_); }
    std::byte* get() const { return data_; }
    std::string text() const { return std::string(reinterpret_cast<const char*>(data_), 55); }

   private:
    StoreProbe& store_;
    std::byte* data_;
  };

  // Puts the cursor at a record index: -1 before the first, the count after the last.
  void seek(int index) {
    if (index < 0) {
      InternalFirst();
    } else if (index >= RecordCount()) {
      InternalLast();
    } else {
      SetRecNo(index + 1);
    }
  }

  // The bookmark of the record at the cursor, 0 when the cursor is on none.
  std::int32_t bookmark_at_cursor() {
    Buffer buffer(*this);
    if (GetRecord(buffer.get(), TGetMode::gmCurrent, false) != TGetResult::grOK) return 0;
    TBookmark bookmark(4);
    GetBookmarkData(buffer.get(), bookmark.data());
    return bookmark_number(bookmark);
  }
};

class RecordStore : public testing::Test {
 protected:
  StoreProbe store;
};

TEST_F(RecordStore, OpenEmptyStoreHasNoRecordInAnyMode) {
  store.Open();
  EXPECT_EQ(store.RecordCount(), 0);
  EXPECT_EQ(store.RecNo(), 0);
  EXPECT_TRUE(store.Bof());
  EXPECT_TRUE(store.Eof());
  EXPECT_EQ(store.FieldByName("Point").AsString(), "");
  EXPECT_TRUE(walk(store).empty());

  StoreProbe::Buffer buffer(store);
  for (int index : {-1, 0}) {
    store.seek(index);
    for (TGetMode mode : {TGetMode::gmCurrent, TGetMode::gmNext, TGetMode::gmPrior}) {
      for (bool do_check : {false, true}) {
        SCOPED_TRACE(testing::Message() << "index " << index << " mode " << static_cast<int>(mode)
                                        << " check " << do_check);
        EXPECT_EQ(store.GetRecord(buffer.get(), mode, do_check), TGetResult::grEOF);
      }
    }
  }
}

TEST_F(RecordStore, GetRecordMovesWithinTheRecordsAndFillsTheBuffer) {
  struct Case {
    int start_index;
    TGetMode mode;
    TGetResult result;
    std::int32_t bookmark_read;   // 0: the buffer is not filled
    std::int32_t bookmark_after;  // the record at the cursor afterwards, 0 for none
  };
  const Case cases[] = {
      {-1, TGetMode::gmNext, TGetResult::grOK, 1, 1},
      {0, TGetMode::gmNext, TGetResult::grOK, 2, 2},
      {2, TGetMode::gmNext, TGetResult::grEOF, 0, 3},
      {0, TGetMode::gmPrior, TGetResult::grBOF, 0, 1},
      {1, TGetMode::gmPrior, TGetResult::grOK, 1, 1},
      {3, TGetMode::gmPrior, TGetResult::grOK, 3, 3},
      {-1, TGetMode::gmPrior, TGetResult::grBOF, 0, 0},
      {1, TGetMode::gmCurrent, TGetResult::grOK, 2, 2},
      {-1, TGetMode::gmCurrent, TGetResult::grError, 0, 0},
      {3, TGetMode::gmCurrent, TGetResult::grError, 0, 0},
  };
  refill(store, rows(1, 3));
  StoreProbe::Buffer buffer(store);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "index " << c.start_index << " mode " << static_cast<int>(c.mode));
    store.seek(c.start_index);
    std::memset(buffer.get(), 0x55, 60);
    EXPECT_EQ(store.GetRecord(buffer.get(), c.mode, false), c.result);
    if (c.bookmark_read != 0) {
      const Row& fields = row(c.bookmark_read);
      EXPECT_EQ(buffer.text(), fields[0] + fields[1] + fields[2] + fields[3] + fields[4]);
      TBookmark bookmark(4);
      store.GetBookmarkData(buffer.get(), bookmark.data());
      EXPECT_EQ(bookmark_number(bookmark), c.bookmark_read);
      EXPECT_EQ(store.GetBookmarkFlag(buffer.get()), TBookmarkFlag::bfCurrent);
    } else {
      EXPECT_EQ(buffer.text(), std::string(55, '\x55'));
    }
    EXPECT_EQ(store.bookmark_at_cursor(), c.bookmark_after);
  }
}

TEST_F(RecordStore, NoRecordsOnlyWhenErrorsAreRequested) {
  refill(store, rows(1, 3));
  StoreProbe::Buffer buffer(store);
  store.InternalFirst();
  EXPECT_EQ(store.GetRecord(buffer.get(), TGetMode::gmCurrent, false), TGetResult::grError);
  EXPECT_EQ(error_of([&] { store.GetRecord(buffer.get(), TGetMode::gmCurrent, true); }),
            "No Records");
  // The cursor stayed before the first record.
  EXPECT_EQ(store.GetRecord(buffer.get(), TGetMode::gmNext, false), TGetResult::grOK);
  EXPECT_EQ(store.bookmark_at_cursor(), 1);
}

TEST_F(RecordStore, BufferLayoutHasTheBookmarkAt55AndTheFlagAt59) {
  refill(store, rows(1, 2));
  EXPECT_EQ(store.GetRecordSize(), 55);
  StoreProbe::Buffer buffer(store);
  const std::byte bookmark[4] = {std::byte{2}, std::byte{0}, std::byte{0}, std::byte{0}};
  store.SetBookmarkData(buffer.get(), bookmark);
  store.SetBookmarkFlag(buffer.get(), TBookmarkFlag::bfInserted);
  EXPECT_EQ(std::memcmp(buffer.get() + 55, bookmark, 4), 0);
  EXPECT_EQ(buffer.get()[59], std::byte{3});
  EXPECT_EQ(store.GetBookmarkFlag(buffer.get()), TBookmarkFlag::bfInserted);

  // Going to the record of a buffer looks up the buffer's bookmark.
  store.InternalFirst();
  store.InternalSetToRecord(buffer.get());
  EXPECT_EQ(store.bookmark_at_cursor(), 2);
}

TEST_F(RecordStore, AddRecordAppendsOrInsertsAtTheCursorWithNewBookmarks) {
  store.Open();
  StoreProbe::Buffer buffer(store);
  const auto add = [&](int k, bool append) {
    const Row& fields = row(k);
    store.InternalInitRecord(buffer.get());
    std::memcpy(buffer.get(), (fields[0] + fields[1]).data(), 22);
    store.InternalAddRecord(buffer.get(), append);
  };
  add(1, true);
  add(2, true);
  // The framework has no current record yet, and the cursor is before the first.
  store.InternalFirst();
  EXPECT_EQ(store.GetRecNo(), 1);
  add(3, false);  // before the first
  store.SetRecNo(3);
  add(4, false);  // before record 2

  std::vector<std::pair<std::string, std::int32_t>> seen;
  for (store.First(); !store.Eof(); store.Next()) {
    seen.emplace_back(store.FieldByName("Point").AsString(), bookmark_number(store.GetBookmark()));
    EXPECT_EQ(store.FieldByName("Output").AsString(), "");
  }
  const std::vector<std::pair<std::string, std::int32_t>> expected = {
      {row(3)[0], 3}, {row(1)[0], 1}, {row(4)[0], 4}, {row(2)[0], 2}};
  EXPECT_EQ(seen, expected);
}

TEST_F(RecordStore, RefillHoldsTheRowsInOrderOnTheLastRow) {
  for (int count : {1, 3, 27}) {
    SCOPED_TRACE(testing::Message() << count << " rows");
    const std::vector<Row> expected = rows(10 * count, count);
    refill(store, expected);
    EXPECT_TRUE(store.Active());
    EXPECT_EQ(store.RecordCount(), count);
    EXPECT_EQ(store.RecNo(), count);
    EXPECT_EQ(current_row(store), expected.back());

    std::vector<std::int32_t> bookmarks;
    for (store.First(); !store.Eof(); store.Next()) {
      bookmarks.push_back(bookmark_number(store.GetBookmark()));
    }
    std::vector<std::int32_t> in_order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) in_order[static_cast<std::size_t>(i)] = i + 1;
    EXPECT_EQ(bookmarks, in_order);
    EXPECT_EQ(walk(store), expected);
  }
}

TEST_F(RecordStore, RefillWithFewerRowsLeavesNoOldRowBehind) {
  refill(store, rows(1, 5));
  store.SetRecNo(3);  // the deletions start wherever the user left the grid
  refill(store, rows(100, 2));
  EXPECT_EQ(store.RecordCount(), 2);
  EXPECT_EQ(walk(store), rows(100, 2));
}

TEST_F(RecordStore, BookmarksStartAgainAtOneAfterCloseAndOpen) {
  refill(store, rows(1, 27));
  store.Close();
  EXPECT_FALSE(store.Active());
  EXPECT_EQ(store.RecordCount(), 0);
  EXPECT_EQ(store.RecNo(), 0);
  EXPECT_EQ(error_of([&] { store.FieldByName("Point"); }), "Field 'Point' not found");

  store.Open();
  EXPECT_EQ(store.RecordCount(), 0);
  store.Append();
  store.Post();
  EXPECT_EQ(bookmark_number(store.GetBookmark()), 1);
}

TEST_F(RecordStore, DeleteLeavesTheCursorOnTheFollowingOrNewLastRecord) {
  struct Case {
    const char* name;
    int records;
    int deleted_recno;
    int recno_after;
    int row_after;  // 0: no record left
  };
  const Case cases[] = {
      {"first", 3, 1, 1, 2},
      {"middle", 3, 2, 2, 3},
      {"last", 3, 3, 2, 2},
      {"only", 1, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    refill(store, rows(1, c.records));
    store.SetRecNo(c.deleted_recno);
    store.Delete();
    EXPECT_EQ(store.RecordCount(), c.records - 1);
    EXPECT_EQ(store.RecNo(), c.recno_after);
    if (c.row_after == 0) {
      EXPECT_TRUE(store.Bof() && store.Eof());
      EXPECT_EQ(store.bookmark_at_cursor(), 0);
    } else {
      EXPECT_EQ(current_row(store), row(c.row_after));
      EXPECT_EQ(store.bookmark_at_cursor(), c.row_after);
    }
  }
}

TEST_F(RecordStore, SetRecNoOutsideTheRecordsIsIgnored) {
  struct Case {
    int n;
    int recno_after;
  };
  const Case cases[] = {{1, 1}, {3, 3}, {0, 2}, {-1, 2}, {4, 2}};
  refill(store, rows(1, 3));
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "SetRecNo(" << c.n << ")");
    store.SetRecNo(2);
    store.SetRecNo(c.n);
    EXPECT_EQ(store.RecNo(), c.recno_after);
    EXPECT_EQ(current_row(store), row(c.recno_after));
    EXPECT_FALSE(store.Bof() || store.Eof());
  }
  store.Close();
  store.SetRecNo(1);
  EXPECT_EQ(store.RecNo(), 0);
}

TEST_F(RecordStore, NavigationStopsAtBothEnds) {
  refill(store, rows(1, 3));
  store.Last();
  EXPECT_TRUE(store.Eof());
  EXPECT_FALSE(store.Bof());
  EXPECT_EQ(store.RecNo(), 3);

  std::vector<Row> backwards;
  for (; !store.Bof(); store.Prior()) backwards.push_back(current_row(store));
  EXPECT_EQ(backwards, (std::vector<Row>{row(3), row(2), row(1)}));
  EXPECT_EQ(store.RecNo(), 1);

  EXPECT_EQ(store.MoveBy(5), 2);
  EXPECT_TRUE(store.Eof());
  EXPECT_EQ(current_row(store), row(3));
  EXPECT_EQ(store.MoveBy(-1), -1);
  EXPECT_FALSE(store.Eof());
  EXPECT_EQ(store.MoveBy(-5), -1);
  EXPECT_TRUE(store.Bof());
  EXPECT_EQ(store.MoveBy(0), 0);
  EXPECT_EQ(current_row(store), row(1));
}

TEST_F(RecordStore, GoingToAMissingBookmarkFailsAndStaysPut) {
  refill(store, rows(1, 3));
  store.SetRecNo(2);
  const TBookmark deleted = store.GetBookmark();
  store.Delete();  // now on row 3
  const TBookmark zero(4, std::byte{0});
  for (const TBookmark& bookmark : {zero, deleted, TBookmark{}}) {
    SCOPED_TRACE(bookmark_number(bookmark));
    EXPECT_EQ(error_of([&] { store.GotoBookmark(bookmark); }), "Bookmark not found");
    EXPECT_EQ(store.RecNo(), 2);
    EXPECT_EQ(current_row(store), row(3));
  }
  EXPECT_EQ(error_of([&] { store.InternalGotoBookmark(zero.data()); }), "Bookmark not found");
  EXPECT_EQ(store.bookmark_at_cursor(), 3);

  store.First();
  store.GotoBookmark(TBookmark{std::byte{3}, std::byte{0}, std::byte{0}, std::byte{0}});
  EXPECT_EQ(current_row(store), row(3));
}

TEST_F(RecordStore, EditReplacesTheTextAndKeepsTheBookmark) {
  refill(store, rows(1, 3));
  store.SetRecNo(2);
  store.Edit();
  EXPECT_EQ(store.State(), TDataSetState::dsEdit);
  store.FieldByName("Output").SetAsString("abc");
  // A shorter value leaves nothing of the old one in its slot.
  EXPECT_EQ(store.FieldByName("Output").AsString(), "abc");
  store.Cancel();
  EXPECT_EQ(store.State(), TDataSetState::dsBrowse);
  EXPECT_EQ(current_row(store), row(2));

  store.Edit();
  store.FieldByName("Output").SetAsString(right("changed"));
  store.FieldByName("Point").SetAsString("longer than eleven");
  store.Post();
  Row changed = row(2);
  changed[0] = "longer than";
  changed[2] = right("changed");
  EXPECT_EQ(walk(store), (std::vector<Row>{row(1), changed, row(3)}));
  store.SetRecNo(2);
  EXPECT_EQ(bookmark_number(store.GetBookmark()), 2);
}

TEST_F(RecordStore, AnUnpostedAppendCanBeDroppedOrIsPostedByMoving) {
  refill(store, rows(1, 3));
  store.SetRecNo(2);
  store.Append();
  EXPECT_EQ(store.FieldByName("Point").AsString(), "");
  EXPECT_TRUE(store.GetBookmark().empty());
  store.Cancel();
  EXPECT_EQ(store.RecordCount(), 3);
  EXPECT_EQ(current_row(store), row(2));

  store.Append();
  store.FieldByName("Point").SetAsString(row(4)[0]);
  store.Delete();  // drops the new record
  EXPECT_EQ(store.State(), TDataSetState::dsBrowse);
  EXPECT_EQ(store.RecordCount(), 3);
  EXPECT_EQ(current_row(store), row(2));

  store.Append();
  for (int f = 0; f < 5; ++f) store.FieldByName(field_names[f]).SetAsString(row(4)[f]);
  store.First();
  EXPECT_EQ(walk(store), rows(1, 4));
}

TEST_F(RecordStore, FrameworkRefusesWhatItCannotDo) {
  struct Case {
    const char* name;
    std::function<void(TDataSet&)> action;
    const char* message;
  };
  const Case cases[] = {
      {"delete from an empty data set", [](TDataSet& t) { t.Delete(); },
       "Cannot delete from an empty data set"},
      {"edit an empty data set", [](TDataSet& t) { t.Edit(); }, "Cannot edit an empty data set"},
      {"post while browsing", [](TDataSet& t) { t.Post(); },
       "Data set is not in edit or insert mode"},
      {"assign while browsing", [](TDataSet& t) { t.FieldByName("Input").SetAsString("1"); },
       "Data set is not in edit or insert mode"},
      {"unknown field", [](TDataSet& t) { t.FieldByName("Level"); }, "Field 'Level' not found"},
      {"move while closed",
       [](TDataSet& t) {
         t.Close();
         t.Next();
       },
       "Cannot perform this operation on a closed data set"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMyDataSet table;
    table.Open();
    EXPECT_EQ(error_of([&] { c.action(table); }), c.message);
  }
  // Field names are found without regard to case.
  store.Open();
  EXPECT_EQ(&store.FieldByName("volume"), &store.FieldByName("Volume"));
}

// A data-aware control that records what it hears.
class Listener : public TDataLink {
 public:
  void DataEvent(TDataEvent event, const TField* field) override {
    heard.emplace_back(event, field ? field->FieldName() : "");
    if (on_event) on_event(event);
  }
  std::vector<std::pair<TDataEvent, std::string>> heard;
  std::function<void(TDataEvent)> on_event;
};

using Heard = std::vector<std::pair<TDataEvent, std::string>>;

TEST_F(RecordStore, ListenersHearOpeningScrollingAndFieldChanges) {
  Listener listener;
  listener.SetDataSet(&store);
  refill(store, rows(1, 1));
  store.Edit();
  store.FieldByName("Height").SetAsString(right("2.5"));
  store.Post();
  store.Append();
  store.Cancel();
  store.Next();  // already on the last record: no move, no event
  store.First();
  store.Close();
  const Heard expected = {
      {TDataEvent::deActiveChange, ""},      {TDataEvent::deActiveChange, ""},
      {TDataEvent::deActiveChange, ""},      {TDataEvent::deFieldChange, "Point"},
      {TDataEvent::deFieldChange, "Input"},  {TDataEvent::deFieldChange, "Output"},
      {TDataEvent::deFieldChange, "Height"}, {TDataEvent::deFieldChange, "Volume"},
      {TDataEvent::deDataSetChange, ""},     {TDataEvent::deFieldChange, "Height"},
      {TDataEvent::deDataSetChange, ""},     {TDataEvent::deDataSetChange, ""},
      {TDataEvent::deDataSetScroll, ""},     {TDataEvent::deActiveChange, ""},
  };
  EXPECT_EQ(listener.heard, expected);
}

TEST_F(RecordStore, DisabledControlsHearOnlyTheStrongestEventOnce) {
  struct Case {
    const char* name;
    std::function<void(TDataSet&)> action;
    Heard expected;
  };
  const Case cases[] = {
      {"a walk that returns to its record",
       [](TDataSet& t) {
         const int recno = t.RecNo();
         walk(t);
         t.SetRecNo(recno);
       },
       {{TDataEvent::deDataSetScroll, ""}}},
      {"a field change",
       [](TDataSet& t) {
         t.Edit();
         t.FieldByName("Point").SetAsString("x");
         t.First();
       },
       {{TDataEvent::deDataSetChange, ""}}},
      {"a refill", [](TDataSet& t) { refill(t, rows(5, 2)); }, {{TDataEvent::deActiveChange, ""}}},
      {"nothing", [](TDataSet& t) { t.RecordCount(); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    refill(store, rows(1, 3));
    store.SetRecNo(2);
    Listener listener;
    listener.SetDataSet(&store);
    store.DisableControls();
    store.DisableControls();
    c.action(store);
    store.EnableControls();
    EXPECT_TRUE(listener.heard.empty());
    store.EnableControls();
    EXPECT_EQ(listener.heard, c.expected);
  }
}

TEST_F(RecordStore, AListenerReadingOnEveryChangeDoesNotFeedItself) {
  Listener grid;
  std::vector<Row> shown;
  int reads = 0;
  grid.on_event = [&](TDataEvent event) {
    if (event != TDataEvent::deDataSetChange && event != TDataEvent::deActiveChange) return;
    ++reads;
    store.DisableControls();
    const int recno = store.RecNo();
    shown = store.Active() ? walk(store) : std::vector<Row>{};
    store.SetRecNo(recno);
    store.EnableControls();
  };
  grid.SetDataSet(&store);
  refill(store, rows(1, 3));
  EXPECT_EQ(shown, rows(1, 3));
  EXPECT_EQ(store.RecNo(), 3);
  EXPECT_LT(reads, 10);
}

TEST(DataLink, EitherSideMayGoFirst) {
  Listener listener;
  {
    TMyDataSet table;
    listener.SetDataSet(&table);
    table.Open();
  }  // closes on destruction
  EXPECT_EQ(listener.DataSet(), nullptr);
  EXPECT_EQ(listener.heard.back().first, TDataEvent::deActiveChange);

  TMyDataSet table;
  table.Open();
  {
    Listener short_lived;
    short_lived.SetDataSet(&table);
  }
  table.Close();  // tells nobody gone
}

TEST(DataLink, AnErrorWhileClosingOnDestructionGoesToTheApplicationReport) {
  std::string reported;
  SetApplicationExceptionReport([&](const std::exception& e) { reported = e.what(); });
  Listener listener;
  listener.on_event = [](TDataEvent event) {
    if (event == TDataEvent::deActiveChange) throw EDatabaseError("grid gone");
  };
  {
    TMyDataSet table;
    table.Open();
    listener.SetDataSet(&table);
  }
  SetApplicationExceptionReport(nullptr);
  EXPECT_EQ(reported, "grid gone");
}

}  // namespace
}  // namespace fillmap
