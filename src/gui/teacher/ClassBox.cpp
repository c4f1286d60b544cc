#include "ClassBox.h"

#include "gui/common/ClassNames.h"
#include "gui/controls/KeyboardNavigation.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

namespace {

// Pressed by Space and, as in a dialog, by Return.
QPushButton* MakeButton(const QString& caption, const QString& description) {
    auto* button = new QPushButton(caption);
    button->setAutoDefault(true);
    button->setAccessibleDescription(description);
    button->setToolTip(description);
    return button;
}

} // namespace

ClassBox::ClassBox(QWidget* parent, const QFont& font) : QWidget(parent) {
    setFont(font);
    //: Before the list that chooses the class the teacher works on.
    auto* label = new QLabel(tr("Class:"));
    chooser_ = new QComboBox;
    chooser_->setAccessibleName(tr("Class"));
    chooser_->setAccessibleDescription(
        tr("The class whose students the list shows; choose another to work on it"));
    label->setBuddy(chooser_);
    newClass_ = MakeButton(tr("New Class"), tr("Start a new, empty class"));
    deleteClass_ =
        MakeButton(tr("Delete Class"), tr("Delete the chosen class once it has no students"));
    import_ = MakeButton(tr("Import Students\u2026"),
                         tr("Add the students of a class list saved by a spreadsheet program "
                            "(CSV) to the chosen class"));
    import_->setAccessibleName(tr("Import Students"));

    // The class on a line of its own, the buttons side by side below it.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* chosen = new QHBoxLayout;
    chosen->addWidget(label);
    chosen->addWidget(chooser_, 1);
    rows->addLayout(chosen);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {newClass_, deleteClass_, import_}) {
        buttons->addWidget(button, 1);
    }
    rows->addLayout(buttons);
    new ArrowKeyGroup({newClass_, deleteClass_, import_});

    connect(chooser_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < classes_.size()) {
            emit classChosen(classes_[static_cast<std::size_t>(index)]);
        }
    });
}

void ClassBox::SetClasses(const std::vector<std::string>& classes, const std::string& chosen) {
    const QSignalBlocker quiet(chooser_);
    classes_ = classes;
    chooser_->clear();
    for (const std::string& className : classes_) {
        chooser_->addItem(ClassChoiceText(className));
    }
    const auto found = std::find(classes_.begin(), classes_.end(), chosen);
    chooser_->setCurrentIndex(found == classes_.end() ? -1
                                                      : static_cast<int>(found - classes_.begin()));
}
