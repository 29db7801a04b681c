#include "StringResources.h"

#include <map>

namespace keyboard {

QString resourceString(int id) {
    static const std::map<int, QString> table{// beside the outer column, from the bottom
                                              {101, "1"},
                                              {102, "A"},
                                              {103, "B"},
                                              {104, "2"},
                                              {105, "3"},
                                              {106, "4"},
                                              {107, "5"},
                                              {108, "6"},
                                              {109, "7"},
                                              {110, "8"},
                                              {111, "9"},
                                              {112, "10"},
                                              {113, "11"},
                                              // beside the inner column, from the bottom
                                              {114, "1"},
                                              {115, "B"},
                                              {116, "2"},
                                              {117, "3"},
                                              {118, "4"},
                                              {119, "5s"},
                                              {120, "6"},
                                              {121, "7"},
                                              {122, "8"},
                                              {123, "9"},
                                              {124, "10"},
                                              {125, "11"}};
    const auto it = table.find(id);
    return it == table.end() ? QString() : it->second;
}

}  // namespace keyboard
