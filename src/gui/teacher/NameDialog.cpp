#include "NameDialog.h"

#include "RefusedInputNote.h"
#include "data/AccountRules.h"
#include "gui/controls/AccountTextValidator.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

NameDialog::NameDialog(const QString& title, const QString& boxName, const std::string& name,
                       QWidget* parent)
    : TemplateDialog(parent, QStringLiteral("MS Sans Serif"), 10, 258, 119) {
    Place(new QGroupBox(title), 7, 7, 244, 105);
    auto* label = Place(new QLabel(tr("Name :")), 61, 46, 26, 8);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nameBox_ = Place(new QLineEdit, 117, 42, 78, 12);
    nameBox_->setAccessibleName(boxName);
    nameBox_->setMaxLength(static_cast<int>(data::kNameLimit));
    nameBox_->setValidator(new AccountTextValidator(nameBox_));
    nameBox_->setText(QString::fromStdString(name));
    label->setBuddy(nameBox_);
    Place(new RefusedInputNote(*nameBox_), 61, 55, 180, 7);
    ok_ = Place(new QPushButton(tr("OK")), 61, 77, 50, 16);
    ok_->setDefault(true);
    cancel_ = Place(new QPushButton(tr("Cancel")), 145, 78, 50, 16);
    connect(ok_, &QPushButton::clicked, this, &NameDialog::OnOk);
    connect(cancel_, &QPushButton::clicked, this, [this] { done(0); });
}

std::string NameDialog::Name() const {
    return data::NormaliseName(nameBox_->text().toStdString());
}

void NameDialog::showEvent(QShowEvent* event) {
    nameBox_->setFocus();
    nameBox_->selectAll();
    TemplateDialog::showEvent(event);
}

void NameDialog::OnOk() {
    if (Accept(Name())) {
        done(1);
        return;
    }
    nameBox_->setFocus();
    nameBox_->selectAll();
}
