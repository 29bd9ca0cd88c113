#include "ui/toolkit/qt/qt_directory_list.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

#include "platform/drives.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/toolkit_texts.h"

namespace orvello::ui::qt {

namespace {

std::string ToCp1250Path(const QString& path) {
  return FromQStringReplacing(QDir::toNativeSeparators(path));
}

}  // namespace

QStringList DriveRoots() {
  QStringList roots;
  for (const std::string& root : platform::ListDrives()) roots << ToQString(root);
  return roots;
}

QString DriveOf(const QString& path, const QStringList& roots) {
  QString best;
  for (const QString& root : roots) {
    QString prefix = root.endsWith(u'/') ? root : root + u'/';
    bool holds = path == root || path.startsWith(prefix);
    if (holds && root.size() > best.size()) best = root;
  }
  return best;
}

QtDriveList::QtDriveList(QWidget* parent, const Bounds& bounds, Application& app)
    : QtControl(new QComboBox(parent)), combo_(static_cast<QComboBox*>(widget())) {
  Place(combo_, bounds);
  QStringList roots = DriveRoots();
  for (const QString& root : roots) combo_->addItem(QDir::toNativeSeparators(root));
  QString start = DriveOf(QDir::currentPath(), roots);
  combo_->setCurrentIndex(std::max(0, static_cast<int>(roots.indexOf(start))));
  QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [this, &app] {
    Handler handler = on_change_;
    if (handler) app.RunGuarded(handler);
  });
}

std::string QtDriveList::drive() const { return FromQStringReplacing(combo_->currentText()); }

std::vector<std::string> QtDriveList::drives() const {
  std::vector<std::string> result;
  for (int i = 0; i < combo_->count(); ++i)
    result.push_back(FromQStringReplacing(combo_->itemText(i)));
  return result;
}

void QtDriveList::SetDrive(const std::string& drive) {
  int index = combo_->findText(ToQString(drive));
  if (index >= 0) combo_->setCurrentIndex(index);
}

QtDirectoryList::QtDirectoryList(QWidget* parent, const Bounds& bounds, Application& app)
    : QtControl(new QListWidget(parent)), app_(app), list_(static_cast<QListWidget*>(widget())) {
  Place(list_, bounds);
  QDir start = QDir::current();
  while (!Cp1250Holds(start.absolutePath()) && start.cdUp()) {
  }
  if (!GoTo(start.absolutePath())) {
    current_ = start.absolutePath();
    Fill();
  }
  QObject::connect(list_, &QListWidget::itemActivated, list_,
                   [this](QListWidgetItem* item) { Activated(item); });
}

std::string QtDirectoryList::directory() const { return ToCp1250Path(current_); }

bool QtDirectoryList::SetDirectory(const std::string& path) {
  return GoTo(QDir::current().absoluteFilePath(QDir::fromNativeSeparators(ToQString(path))));
}

void QtDirectoryList::SetDrive(const std::string& drive) {
  QString root = QDir::fromNativeSeparators(ToQString(drive));
  last_directory_of_drive_[DriveOf(current_, DriveRoots())] = current_;
  if (!GoTo(last_directory_of_drive_.value(root, root))) GoTo(root);
}

bool QtDirectoryList::GoTo(const QString& path) {
  QFileInfo info(path);
  QString clean = QDir::cleanPath(info.absoluteFilePath());
  if (!info.isDir() || !Cp1250Holds(clean) || !QDir(clean).isReadable()) return false;
  if (!QDir::setCurrent(clean)) return false;
  bool changed = clean != current_;
  current_ = clean;
  Fill();
  Handler handler = on_change_;
  if (changed && handler) app_.RunGuarded(handler);
  return true;
}

void QtDirectoryList::Fill() {
  list_->clear();
  auto* here = new QListWidgetItem(QDir::toNativeSeparators(current_), list_);
  here->setFlags(Qt::ItemIsEnabled);
  QDir dir(current_);
  if (!dir.isRoot()) {
    auto* up = new QListWidgetItem(QStringLiteral(".."), list_);
    up->setData(Qt::UserRole, QDir::cleanPath(dir.absoluteFilePath(QStringLiteral(".."))));
  }
  const QStringList names =
      dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : names) {
    auto* item = new QListWidgetItem(name, list_);
    item->setData(Qt::UserRole, dir.absoluteFilePath(name));
    if (!Cp1250Holds(name)) {
      item->setFlags(Qt::NoItemFlags);
      item->setToolTip(ToQString(kUnnamableDirectoryTip));
    }
  }
}

void QtDirectoryList::Activated(QListWidgetItem* item) {
  QString target = item->data(Qt::UserRole).toString();
  if (!target.isEmpty()) GoTo(target);
}

}  // namespace orvello::ui::qt
