Copy "<temp>/lecture/slide01.jpg" "<temp>/out"
Copy "<temp>/lecture/slide02.gif" "<temp>/out"
Copy "<temp>/lecture/klip.avi" "<temp>/out"
Copy "<temp>/lecture/slide04.png" "<temp>/out"
Copy "<temp>/lecture/slide06.jpg" "<temp>/out"
Copy "<temp>/Style/problems.htm" "<temp>/out/"
Copy "<temp>/Style/freeplayer_g2.gif" "<temp>/out/"
Copy "<temp>/Style/web.gif" "<temp>/out/"
Copy "<temp>/Style/video.gif" "<temp>/out/"
Copy "<temp>/Style/prehravac.js" "<temp>/out/"
Copy "<temp>/Style/prehravac.css" "<temp>/out/"
Del skus.txt
Del kopiruj.bat
