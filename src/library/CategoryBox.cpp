#include "library/CategoryBox.h"

#include "library/Categories.h"

#include <QComboBox>

Status loadCategoryList(QComboBox& box) {
    box.clear();
    auto lines = readCategoryList();
    if (!lines) return Error{lines.error()};
    box.addItems(*lines);
    return {};
}
