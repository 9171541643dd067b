// The chart's series: added, replaced and removed from code.

#include <string>

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

namespace {
void CheckIndex(int index, std::size_t count) {
  if (index < 0 || static_cast<std::size_t>(index) >= count)
    throw EZarnVorelError("Vorel: there is no series " + std::to_string(index));
}
}  // namespace

// Like a new item, a new series takes the chart's current item settings.
int TCustomVorel::AddSeries(std::shared_ptr<TSeriesPoints> points) {
  TvoSeries series;
  series.Points = points ? std::move(points) : std::make_shared<TSeriesPoints>();
  series.Color = DataColor();
  series.FillColor = FillColor();
  series.PenStyle = PenStyle();
  series.LineWidth = LineWidth();
  series.Layer = activeLayer_;
  series.ItemClass = ClassDefault();
  std::vector<TvoSeries>& list = SeriesList();
  list.push_back(std::move(series));
  SeriesChanged();
  return static_cast<int>(list.size()) - 1;
}

int TCustomVorel::SeriesCount() const {
  return static_cast<int>(SeriesList().size());
}

TvoSeries& TCustomVorel::Series(int index) {
  CheckIndex(index, SeriesList().size());
  return SeriesList()[static_cast<std::size_t>(index)];
}

const TvoSeries& TCustomVorel::Series(int index) const {
  CheckIndex(index, SeriesList().size());
  return SeriesList()[static_cast<std::size_t>(index)];
}

void TCustomVorel::ReplaceSeries(int index, std::shared_ptr<TSeriesPoints> points) {
  Series(index).Points = points ? std::move(points) : std::make_shared<TSeriesPoints>();
  SeriesChanged();
}

void TCustomVorel::RemoveSeries(int index) {
  CheckIndex(index, SeriesList().size());
  SeriesList().erase(SeriesList().begin() + index);
  SeriesChanged();
}

void TCustomVorel::ClearSeries() {
  SeriesList().clear();
  SeriesChanged();
}

// As with items, the picture follows at the next ShowItems.
void TCustomVorel::SeriesChanged() {
  vorel_detail::PlotChanged(*this);
}

}  // namespace zarn
