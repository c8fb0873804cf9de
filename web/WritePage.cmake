# SPDX-License-Identifier: MIT
# cmake -DSKELETON=file -DTEMPLATE=index.html.in -DPAGE=index.html -P WritePage.cmake: puts the
# page's skeleton, which Skeleton.cpp prints from the layout table, into the page.
file(READ "${SKELETON}" SKELETON)
configure_file("${TEMPLATE}" "${PAGE}" @ONLY)
