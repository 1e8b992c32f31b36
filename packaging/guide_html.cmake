# The user guide as one stand-alone HTML page: cmark's rendering of the README inside a document
# that names its character set and title. Its pictures keep their relative paths.
#   cmake -DCMARK=<cmark> -DSOURCE=<README.md> -DOUTPUT=<README.html> -P guide_html.cmake
execute_process(COMMAND "${CMARK}" "${SOURCE}" OUTPUT_VARIABLE body COMMAND_ERROR_IS_FATAL ANY)
file(WRITE "${OUTPUT}" "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>Tarnivel user guide</title>
<style>
body { max-width: 50em; margin: 1em auto; padding: 0 1em; font-family: sans-serif; }
pre { overflow-x: auto; }
</style>
</head>
<body>
${body}</body>
</html>
")
