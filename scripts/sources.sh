# SPDX-License-Identifier: MIT
# copy_sources SOURCE-DIR DEST: copies the files git knows of in SOURCE-DIR, committed or not,
# and none of its build folders, into DEST. Shared by the package tests and the clean-room
# build, so that each builds exactly the tree a developer has. Sourced, not run.
copy_sources() {
  local from=$1 to=$2 file
  mkdir -p "$to"
  # A file deleted but not yet committed is still in git's index; it is not copied.
  (cd "$from" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
      if [ -e "$file" ]; then printf '%s\0' "$file"; fi
    done | xargs -0 -r cp --parents -t "$to")
}
