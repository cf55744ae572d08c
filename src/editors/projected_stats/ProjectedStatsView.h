#pragma once
// What the projected-stats page's controller asks of its window besides the
// stat grid with its text editor, its pictures and the position tabs
// (GridPageView): the heading, the two source lines of the main bar, the
// sort arrows and the page's two windows. The window implements it and only
// lays out, paints and forwards events; tests implement it with
// kdtest::FakeEditFlexGrid.

#include "toolkit/GridPageView.h"

class clsUINewProjected;
class clsUIProInfo;

class ProjectedStatsView : public virtual GridPageView {
 public:
  virtual void SetHeading(const std::string& text) = 0;
  // The main bar's "Stat Source" and "ADP Source" lines.
  virtual void SetSourceLabels(const std::string& stat, const std::string& adp) = 0;

  // The ascending (true) and descending (false) sort arrow of a heading.
  virtual std::shared_ptr<const FlexGridPicture> SortArrow(bool ascending) = 0;

  // The new-file dialog and the properties window, each modal over the
  // whole application until it closes (Closed()).
  virtual void ShowNewProjected(clsUINewProjected& dialog) = 0;
  virtual void ShowProperties(clsUIProInfo& window) = 0;
};
