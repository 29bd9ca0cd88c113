#ifndef ORVELLO_UI_TOOLKIT_QT_QT_DIRECTORY_LIST_H_
#define ORVELLO_UI_TOOLKIT_QT_QT_DIRECTORY_LIST_H_

// The drive list and the directory list of the Qt backend.

#include <QHash>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "ui/toolkit/qt/qt_controls.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace orvello::ui::qt {

/// The system's drives as platform::ListDrives() finds them, as Qt paths.
QStringList DriveRoots();

/// The root in `roots` that holds `path`: the longest one that is a prefix of it.
QString DriveOf(const QString& path, const QStringList& roots);

/// A combo box of DriveRoots(); the drive of the working directory is chosen at first.
class QtDriveList : public QtControl<DriveList> {
 public:
  QtDriveList(QWidget* parent, const Bounds& bounds, Application& app);
  std::string drive() const override;
  std::vector<std::string> drives() const override;
  void SetDrive(const std::string& drive) override;
  void OnChange(Handler handler) override { on_change_ = std::move(handler); }

 private:
  QComboBox* combo_;
  Handler on_change_;
};

/// A list whose first line is the current directory as a full path, then ".." (except at the
/// root) and the subdirectories; activating one (double click or Enter) goes there. A
/// subdirectory whose name Windows-1250 cannot hold is shown greyed out and cannot be entered.
class QtDirectoryList : public QtControl<DirectoryList> {
 public:
  QtDirectoryList(QWidget* parent, const Bounds& bounds, Application& app);
  std::string directory() const override;
  bool SetDirectory(const std::string& path) override;
  void SetDrive(const std::string& drive) override;
  void OnChange(Handler handler) override { on_change_ = std::move(handler); }

 private:
  /// Makes the absolute `path` current and the program's working directory; false when it is
  /// not a readable directory or Windows-1250 cannot name it.
  bool GoTo(const QString& path);
  void Fill();
  void Activated(QListWidgetItem* item);

  Application& app_;
  QListWidget* list_;
  QString current_;
  QHash<QString, QString> last_directory_of_drive_;
  Handler on_change_;
};

}  // namespace orvello::ui::qt

#endif  // ORVELLO_UI_TOOLKIT_QT_QT_DIRECTORY_LIST_H_
