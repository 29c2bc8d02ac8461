#pragma once
// Record numbers taken from the single TbContador record when a record is inserted. The
// counter is consumed at insert time, so a record cancelled afterwards leaves a gap: a
// number is never issued twice, even across program instances sharing the data directory.
#include <string>
#include <vector>

namespace store {
class Table;
}

namespace data {

struct CounterRule {
    std::string component;   // the table whose new records are numbered
    std::string keyField;    // the field that receives the number
    std::string counter;     // the TbContador field it comes from
    bool closeAfter = true;  // TbContador is closed again afterwards
};

const std::vector<CounterRule>& counterRules();

// Takes the next number of `rule.counter` into `record`'s key field: opens `contador` if
// needed, edits its one record (waiting for another station's lock), increments and posts
// it. On failure the counter edit is cancelled, so its lock is never left behind; a rule
// that closes TbContador closes it whether the number was taken or not.
void takeCounter(store::Table& contador, store::Table& record, const CounterRule& rule);

}  // namespace data
