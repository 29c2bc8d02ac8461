// Consistency of the table catalogue.
#include <gtest/gtest.h>

#include <set>

#include "data/tables.h"

namespace {

TEST(Catalogue, NamesAndFilesAreUniqueAndFieldsAreComplete) {
    std::set<std::string> components, files;
    for (const data::TableEntry& entry : data::tableCatalogue()) {
        SCOPED_TRACE(entry.component);
        EXPECT_TRUE(components.insert(entry.component).second);
        EXPECT_TRUE(files.insert(entry.definition.fileName).second);
        std::set<std::string> fields;
        for (const store::FieldDef& field : entry.definition.fields) {
            EXPECT_TRUE(fields.insert(field.name).second) << field.name;
            EXPECT_EQ(field.type == store::FieldType::Text, field.size > 0) << field.name;
        }
        auto allExist = [&](const std::vector<std::string>& names) {
            for (const auto& name : names)
                if (!fields.count(name)) return false;
            return true;
        };
        EXPECT_TRUE(allExist(entry.definition.primaryKey));
        for (const store::IndexDef& index : entry.definition.indexes)
            EXPECT_TRUE(allExist(index.fields)) << index.name;
    }
    EXPECT_EQ(components.size(), 40u);
}

}  // namespace
