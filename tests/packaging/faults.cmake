# The packaging checks list every fault before they fail, so one run shows them all.
set(faults "")
macro(fault text)
  list(APPEND faults "${text}")
endmacro()

# Fails with every fault found, titled `title`; otherwise removes `scratch`.
macro(finish_checks title scratch)
  if(faults)
    list(JOIN faults "\n  " shown)
    message(FATAL_ERROR "${title}:\n  ${shown}")
  endif()
  file(REMOVE_RECURSE ${scratch})
endmacro()
