# Copies SRC/*.lng into DST (a flat copy: language files sit beside the programs).
file(GLOB files ${SRC}/*.lng)
foreach(f ${files})
    file(COPY ${f} DESTINATION ${DST})
endforeach()
