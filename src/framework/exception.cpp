#include "framework/exception.h"

namespace pellax {

Exception::Exception(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}

}  // namespace pellax
