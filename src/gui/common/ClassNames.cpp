#include "ClassNames.h"

#include "data/CTeacher.h"

QString ClassChoiceText(const std::string& className) {
    return className == kFirstClassName ? QStringLiteral("(first class)")
                                        : QString::fromStdString(className);
}

QString TeacherAndClassText(const std::string& teacherName, const std::string& className) {
    const QString teacher = QString::fromStdString(teacherName);
    return className == kFirstClassName
               ? teacher
               : QStringLiteral("%1, class %2").arg(teacher, QString::fromStdString(className));
}
