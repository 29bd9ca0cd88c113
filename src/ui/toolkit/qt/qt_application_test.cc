#include "ui/toolkit/qt/qt_application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "core/cp1250_literal.h"
#include "core/io_error.h"
#include "ui/toolkit/qt/qt_controls.h"
#include "ui_test_util.h"

namespace orvello::ui::qt {
namespace {

using ui::testing::MakeTestApplication;
using ui::testing::SetNextFileName;
using ui::testing::TypeInto;

class QtApplicationTest : public ::testing::Test {
 protected:
  std::vector<std::string> errors_;
  std::unique_ptr<Application> app_ = MakeTestApplication(&errors_);
  std::unique_ptr<Window> main_ = app_->CreateWindow();
};

TEST_F(QtApplicationTest, ACreationErrorSkipsTheRestOfTheHandlerOnly) {
  Edit* edit = main_->AddEdit({0, 0, 100, 21}, "initial");
  app_->RunGuarded([&] {
    edit->SetText("first");
    throw core::IoError(core::kFileNotFound);
  });
  EXPECT_EQ("first", edit->text());
  EXPECT_EQ(std::vector<std::string>{"File not found."}, errors_);
}

TEST_F(QtApplicationTest, ClosingAnotherWindowHidesItAndKeepsItsControls) {
  auto other = app_->CreateWindow();
  Edit* edit = other->AddEdit({0, 0, 100, 21}, "kept");
  other->Show();
  ASSERT_TRUE(other->visible());
  other->Close();
  EXPECT_FALSE(other->visible());
  other->Show();
  EXPECT_TRUE(other->visible());
  EXPECT_EQ("kept", edit->text());
}

TEST_F(QtApplicationTest, ClosingTheMainWindowEndsTheLoop) {
  auto other = app_->CreateWindow();
  other->Show();  // a visible second window does not keep the program alive
  bool shown_during_loop = false;
  QTimer::singleShot(0, [&] {
    shown_during_loop = main_->visible();
    main_->Close();
  });
  EXPECT_EQ(0, app_->Run());
  EXPECT_TRUE(shown_during_loop);
  EXPECT_FALSE(main_->visible());
}

TEST_F(QtApplicationTest, ControlsSitWhereTheyWereAsked) {
  main_->SetSize(573, 286);
  Button* button = main_->AddButton({440, 144, 100, 33}, "S P R A C U J");
  Edit* edit = main_->AddEdit({104, 16, 220, 21}, "");
  Memo* memo = main_->AddMemo({24, 176, 225, 49});
  main_->Show();
  EXPECT_EQ(QSize(573, 286), WidgetOf(main_.get())->size());
  EXPECT_EQ(QRect(440, 144, 100, 33), WidgetOf(button)->geometry());
  EXPECT_EQ(QRect(104, 16, 220, 21), WidgetOf(edit)->geometry());
  EXPECT_EQ(QRect(24, 176, 225, 49), WidgetOf(memo)->geometry());
  EXPECT_EQ(nullptr, WidgetOf(static_cast<Control*>(nullptr)));
}

TEST_F(QtApplicationTest, TypedTextArrivesInWindows1250AndForeignCharactersAreRefused) {
  Edit* edit = main_->AddEdit({0, 0, 200, 21}, "old");
  main_->Show();
  // A CJK character and an emoji among the code page's characters: only those arrive.
  TypeInto(edit, "C:\\lekcia\\č日😀x");
  EXPECT_EQ("C:\\lekcia\\čx"_cp1250, edit->text());
  auto* line_edit = static_cast<QLineEdit*>(WidgetOf(edit));
  line_edit->selectAll();
  line_edit->insert(QString::fromUtf8("日"));  // a paste is refused as a whole
  EXPECT_EQ("C:\\lekcia\\čx"_cp1250, edit->text());
}

TEST_F(QtApplicationTest, EditAndMemoKeepEveryByte) {
  const std::string bytes = "\x81\x83\x88\x90\x98 \x8A\xE8";
  Edit* edit = main_->AddEdit({0, 0, 200, 21}, bytes);
  EXPECT_EQ(bytes, edit->text());
  Memo* memo = main_->AddMemo({0, 30, 200, 60});
  memo->Append("one");
  memo->Clear();
  memo->Append(bytes);
  memo->Append("");
  EXPECT_EQ((std::vector<std::string>{bytes, ""}), memo->lines());
}

TEST_F(QtApplicationTest, GridKeepsCellsBeyondItsRowsAndShowsThemWhenItGrows) {
  StringGrid* grid = main_->AddStringGrid({0, 0, 377, 185}, 5, 100, 70, 15);
  auto* table = static_cast<QTableWidget*>(WidgetOf(grid));
  grid->SetCell(1, 1, "00:00:00");
  grid->SetCell(4, 120, "hidden.jpg");
  EXPECT_EQ("hidden.jpg", grid->cell(4, 120));
  EXPECT_EQ("", grid->cell(3, 120));
  EXPECT_EQ(100, table->rowCount());
  EXPECT_EQ(QStringLiteral("00:00:00"), table->item(1, 1)->text());
  grid->SetRowCount(121);
  EXPECT_EQ(QStringLiteral("hidden.jpg"), table->item(120, 4)->text());
  grid->SetRowCount(50);
  EXPECT_EQ("hidden.jpg", grid->cell(4, 120));
  EXPECT_EQ(QAbstractItemView::NoEditTriggers, table->editTriggers());
  EXPECT_FALSE(table->item(0, 2)->flags() & Qt::ItemIsSelectable);
  EXPECT_FALSE(table->item(7, 0)->flags() & Qt::ItemIsSelectable);
  EXPECT_TRUE(table->item(7, 2)->flags() & Qt::ItemIsSelectable);
}

TEST_F(QtApplicationTest, FileDialogAnswersComeBackInWindows1250) {
  std::string path = "unchanged";
  SetNextFileName(*app_, "/lekcie/čas.rm");
  ASSERT_TRUE(app_->RunFileOpenDialog("Rm files (*.rm)|*.rm", &path));
  EXPECT_EQ("/lekcie/čas.rm"_cp1250, path);

  SetNextFileName(*app_, std::nullopt);
  EXPECT_FALSE(app_->RunFileOpenDialog("Rm files (*.rm)|*.rm", &path));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(QtApplicationTest, FileDialogRefusesANameTheCodePageCannotHold) {
  std::string path = "unchanged";
  SetNextFileName(*app_, "/lekcie/日.rm");
  EXPECT_FALSE(app_->RunFileOpenDialog("Rm files (*.rm)|*.rm", &path));
  EXPECT_EQ(
      std::vector<std::string>{
          "Cesta obsahuje znaky mimo kódovej stránky Windows-1250: /lekcie/?.rm."_cp1250},
      errors_);
}

TEST_F(QtApplicationTest, TheErrorDialogIsAStopBoxTitledWithTheProgramsName) {
  BaseOf(*app_).SetErrorRecorder({});  // the real dialog again
  main_->Show();
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(nullptr, box);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    box->accept();
  });
  app_->ShowError("Súbor nebol nájdený."_cp1250);
  EXPECT_EQ(QStringLiteral("Orvello"), title);
  EXPECT_EQ(QString::fromUtf8("Súbor nebol nájdený."), text);
  EXPECT_EQ(QMessageBox::Critical, icon);
  EXPECT_EQ(QMessageBox::StandardButtons(QMessageBox::Ok), buttons);
  EXPECT_TRUE(errors_.empty());
}

// A file name in an error text may look like markup; the dialog shows it as it is.
TEST_F(QtApplicationTest, TheErrorDialogShowsMarkupAsPlainText) {
  BaseOf(*app_).SetErrorRecorder({});
  main_->Show();
  Qt::TextFormat format = Qt::RichText;
  QString text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(nullptr, box);
    format = box->textFormat();
    text = box->text();
    box->accept();
  });
  app_->ShowError("Cesta: /lekcie/<b>?</b> &lt;x&gt;.rm.");
  EXPECT_EQ(Qt::PlainText, format);
  EXPECT_EQ(QStringLiteral("Cesta: /lekcie/<b>?</b> &lt;x&gt;.rm."), text);
}

TEST_F(QtApplicationTest, ButtonAndLabelCaptionsAndVisibility) {
  Button* button = main_->AddButton({0, 0, 80, 20}, "1");
  Label* label = main_->AddLabel({0, 30, 80, 13}, "Uložiť súbor?"_cp1250);
  EXPECT_EQ("Uložiť súbor?"_cp1250, label->caption());
  button->SetCaption("2");
  EXPECT_EQ("2", button->caption());
  EXPECT_TRUE(label->visible());  // a control's own flag, even in a hidden window
  label->SetVisible(false);
  main_->Show();
  EXPECT_FALSE(label->visible());
  EXPECT_FALSE(WidgetOf(label)->isVisible());
  EXPECT_TRUE(WidgetOf(button)->isVisible());
}

}  // namespace
}  // namespace orvello::ui::qt
