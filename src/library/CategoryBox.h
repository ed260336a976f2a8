#pragma once

#include "core/Result.h"

class QComboBox;

// Fills box with the category list "aobj_categories.txt", in file order. A list that cannot be
// read leaves the box empty and is reported.
Status loadCategoryList(QComboBox& box);
