#include "Windows1252Validator.h"

#include "data/Windows1252.h"

QValidator::State Windows1252Validator::validate(QString& input, int&) const {
    return data::FitsWindows1252(input.toStdString()) ? Acceptable : Invalid;
}
