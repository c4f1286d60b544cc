#include "ClassNames.h"

#include "data/CTeacher.h"

#include <QCoreApplication>

QString ClassChoiceText(const std::string& className) {
    return className == kFirstClassName
               //: How the class chooser lists the class every teacher has had from the start.
               ? QCoreApplication::translate("ClassNames", "(first class)")
               : QString::fromStdString(className);
}

QString TeacherAndClassText(const std::string& teacherName, const std::string& className) {
    const QString teacher = QString::fromStdString(teacherName);
    return className == kFirstClassName
               ? teacher
               //: On the printed class report: the teacher, then the class's name.
               : QCoreApplication::translate("ClassNames", "%1, class %2")
                     .arg(teacher, QString::fromStdString(className));
}
