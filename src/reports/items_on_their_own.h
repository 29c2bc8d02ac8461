#pragma once
// The sale items walked on their own by a period pass: the master link to the sale header is
// lifted for the pass and put back afterwards, with the index the screens expect, however
// the pass ends.
namespace data {
class Tdm;
}

namespace reports {

class ItemsOnTheirOwn {
  public:
    explicit ItemsOnTheirOwn(data::Tdm& dm);
    ~ItemsOnTheirOwn();
    ItemsOnTheirOwn(const ItemsOnTheirOwn&) = delete;
    ItemsOnTheirOwn& operator=(const ItemsOnTheirOwn&) = delete;

  private:
    data::Tdm& dm_;
};

}  // namespace reports
