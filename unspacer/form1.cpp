// Form1: building the window, loading it (listing and renaming) and running it.
#include "unspacer/form1.h"

#include "unspacer/messagebox.h"
#include "unspacer/names.h"
#include "unspacer/platform.h"
#include "unspacer/renamer.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace unspacer {

namespace {

// The window is laid out in twips, 15 to a pixel at 96 dpi; Qt scales the
// pixels on high-dpi screens.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

constexpr int kClientWidth = 4680;
constexpr int kClientHeight = 3090;
constexpr int kListLeft = 180;
constexpr int kListTop = 120;
constexpr int kListWidth = 2175;
constexpr int kListHeight = 2625;

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), file1_(new QListWidget(this))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Form1"_s);
    // Only the size is set: the window manager decides where it appears.
    resize(px(kClientWidth), px(kClientHeight));

    file1_->setObjectName(u"File1"_s);
    file1_->setGeometry(px(kListLeft), px(kListTop), px(kListWidth), px(kListHeight));
    // Lets the view lay out tens of thousands of names without measuring each.
    file1_->setUniformItemSizes(true);
}

bool Form1::formLoad()
{
    std::vector<NativeName> names;
    if (const int code = listFolder(names); code != 0) {
        showCritical(folderFailureMessage(code, QDir::toNativeSeparators(QDir::currentPath())));
        return false;
    }
    sortLikeFileList(names);

    // The list is read once and keeps the names as they were before renaming.
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(names.size()));
    for (const NativeName& name : names)
        shown.append(displayName(name));
    file1_->addItems(shown);

    if (const auto failure = renameAll(names)) {
        showCritical(failureMessage(*failure));
        return false;
    }
    return true;
}

int run(Form1& form)
{
    if (!form.formLoad())
        return 1;
    form.show();
    return QApplication::exec();
}

} // namespace unspacer
