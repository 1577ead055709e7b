# shellcheck shell=bash
# surface_top X Y: prints how far below the client area's top left corner
# (X, Y on the screen) the main window's surface begins, under the menu
# bar: the first row that shows the backdrop's pure blue.
surface_top() {
  import -window root -crop "1x120+$(($1 + 2))+$2" +repage -depth 8 txt:- 2>/dev/null |
    awk -F'[,:]' '/#0000FF/ && !found {print $2; found = 1}'
}
